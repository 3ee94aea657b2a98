#include "data/RowWalk.h"

#include <exception>

namespace RowWalk {

QString fromFirst(CalendarCursor &rs, const Visit &visit)
{
    QString firstFailure;
    const auto keep = [&](const std::exception &e) {
        if (firstFailure.isEmpty())
            firstFailure = QString::fromUtf8(e.what());
    };
    try {
        rs.MoveFirst();
    } catch (const std::exception &e) {
        keep(e);
        return firstFailure;
    }
    for (int place = 1; !rs.isEOF(); ++place) {
        Next next = Next::Continue;
        try {
            next = visit(rs, place);
        } catch (const std::exception &e) {
            keep(e);
        }
        if (next == Next::Stop)
            break;
        try {
            rs.MoveNext();
        } catch (const std::exception &e) {
            keep(e);
            break;
        }
    }
    return firstFailure;
}

} // namespace RowWalk
