#pragma once

#include <QWidget>

class Module1;

// The main calendar window. Loaded hidden at start-up and shown from the tray.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(Module1 &module);

private:
    Module1 &m;
};
