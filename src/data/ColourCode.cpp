#include "data/ColourCode.h"

#include <stdexcept>

namespace ColourCode {
namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

bool isReadable(const QString &code)
{
    if (code.size() == 1)
        return isDigit(code.at(0));
    if (code.size() == 3)
        return isDigit(code.at(0)) && isDigit(code.at(2));
    return true;
}

int digitAt(const QString &code, int index)
{
    const QChar c = code.at(index);
    if (!isDigit(c))
        throw std::invalid_argument(
            QStringLiteral("Colour code \"%1\": \"%2\" is not a digit.").arg(code, c).toStdString());
    return c.unicode() - '0';
}

} // namespace ColourCode
