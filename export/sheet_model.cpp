#include "export/sheet_model.h"

#include <stdexcept>

namespace trevalo::workbook {

std::optional<CellPosition> parseCellAddress(std::string_view address)
{
    std::size_t at = 0;
    int column = 0;
    while (at < address.size() && address[at] >= 'A' && address[at] <= 'Z' && column <= 16384) {
        column = column * 26 + (address[at] - 'A' + 1);
        ++at;
    }
    if (at == 0 || at == address.size() || column > 16384)
        return std::nullopt;
    int row = 0;
    for (; at < address.size(); ++at) {
        if (address[at] < '0' || address[at] > '9' || row > 1048576)
            return std::nullopt;
        row = row * 10 + (address[at] - '0');
    }
    if (row < 1 || row > 1048576)
        return std::nullopt;
    return CellPosition{row, column};
}

CellPosition SheetModel::position(std::string_view address)
{
    // The layout only uses literal addresses, so a bad one is a programming error.
    const std::optional<CellPosition> parsed = parseCellAddress(address);
    if (!parsed)
        throw std::invalid_argument("bad cell address: " + std::string(address));
    return *parsed;
}

void SheetModel::write(std::string_view address, std::string text)
{
    write(position(address), std::move(text));
}

void SheetModel::write(CellPosition position, std::string text)
{
    SheetCell& cell = m_cells[position];
    cell.text = std::move(text);
    cell.number.reset();
}

void SheetModel::writeNumber(CellPosition position, double value, std::string numberFormat)
{
    SheetCell& cell = m_cells[position];
    cell.text.clear();
    cell.number = value;
    cell.numberFormat = std::move(numberFormat);
}

void SheetModel::setHeading(std::string_view address, int pointSize)
{
    m_cells[position(address)].headingSize = pointSize;
}

std::string SheetModel::text(std::string_view address) const
{
    const SheetCell* found = cell(position(address));
    return found == nullptr ? std::string() : found->text;
}

const SheetCell* SheetModel::cell(CellPosition at) const
{
    const auto it = m_cells.find(at);
    return it == m_cells.end() ? nullptr : &it->second;
}

}  // namespace trevalo::workbook
