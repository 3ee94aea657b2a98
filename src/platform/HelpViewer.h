#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help window: its own HTML pages, local files only.
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    void open(const QString &path);
    QString source() const;

private:
    QTextBrowser *m_browser;
};
