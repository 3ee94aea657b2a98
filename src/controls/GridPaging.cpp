#include "controls/GridPaging.h"

#include "controls/InputCodes.h"

namespace GridPaging {

Move forKey(int keyCode, const Position &at)
{
    switch (keyCode) {
    case InputCodes::Up:
        if (at.cell > 1)
            return {std::nullopt, at.cell - 1};
        if (at.top > 1)
            return {at.top - 1, 1};
        return {};
    case InputCodes::Down:
        if (at.cell < Cells)
            return {std::nullopt, at.cell + 1};
        if (at.top < at.maxTop)
            return {at.top + 1, Cells};
        return {};
    case InputCodes::PageUp:
        // Within the first page of rows, or with the first page in reach: to the first page.
        if (at.current <= Cells)
            return {1, 1};
        if (at.top <= Cells)
            return {1, at.current - Cells};
        return {at.top - Cells, at.cell};
    case InputCodes::PageDown:
        if (at.current >= at.lastRow - Cells)
            return {at.lastRow - (Cells - 1), Cells};
        if (at.top >= at.maxTop - Cells)
            return {at.maxTop, at.current + Cells - at.maxTop + 1};
        return {at.top + Cells, at.cell};
    case InputCodes::Home:
        return {1, 1};
    case InputCodes::End:
        return {at.maxTop, Cells};
    default:
        return {};
    }
}

} // namespace GridPaging
