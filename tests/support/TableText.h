#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A table as a reader prints it: every value as text, or no value for NULL.
using Cell = std::optional<QString>;
using TableRow = QList<Cell>;

struct TableText
{
    QStringList columns;
    QList<TableRow> rows;
    QString error; // what the reader said when it failed
};
