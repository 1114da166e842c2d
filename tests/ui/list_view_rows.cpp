#include "tests/ui/list_view_rows.h"

#include <commctrl.h>

#include <stdexcept>

#include "tests/ui/remote_memory.h"

namespace {

constexpr int TEXT_SIZE = 260;

} // namespace

std::vector<ListViewRow> ReadListViewRows(HWND list)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    RemoteMemory memory(processId, sizeof(LVITEMA) + TEXT_SIZE);
    if (!memory)
        throw std::runtime_error("cannot reach the list view's process");
    if (memory.Is64Bit() != (sizeof(void*) == 8))
        throw std::runtime_error("the list view's process has another pointer size; build the driver alike");

    const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<ListViewRow> rows(count > 0 ? count : 0);
    for (int row = 0; row < count; ++row) {
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        memory.Write(0, &item, sizeof item);
        SendMessageA(list, LVM_GETITEMA, 0, memory.Parameter());
        memory.Read(0, &item, sizeof item);
        rows[row].key = item.lParam;
        for (int column = 0; column < columns; ++column) {
            LVITEMA textItem{};
            textItem.iSubItem = column;
            textItem.pszText = reinterpret_cast<LPSTR>(memory.Parameter(sizeof(LVITEMA)));
            textItem.cchTextMax = TEXT_SIZE;
            memory.Write(0, &textItem, sizeof textItem);
            const auto length = SendMessageA(list, LVM_GETITEMTEXTA, row, memory.Parameter());
            std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
            memory.Read(sizeof(LVITEMA), text.data(), text.size());
            rows[row].cells.push_back(text);
        }
    }
    return rows;
}
