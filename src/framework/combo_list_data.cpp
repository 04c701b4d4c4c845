#include "framework/combo_list_data.h"

#include <cstring>

std::vector<ComboList> ParseComboLists(const unsigned char* data, std::size_t size) {
    std::vector<ComboList> lists;
    std::size_t at = 0;
    while (at + 2 <= size) {
        ComboList list;
        list.controlId = data[at] | (data[at + 1] << 8);
        at += 2;
        if (list.controlId == 0)
            break;
        for (;;) {
            const void* end = at < size ? std::memchr(data + at, 0, size - at) : nullptr;
            if (end == nullptr)
                return lists;  // the list has no end
            const std::size_t length = static_cast<const unsigned char*>(end) - (data + at);
            const char* text = reinterpret_cast<const char*>(data + at);
            at += length + 1;
            if (length == 0)
                break;
            list.entries.emplace_back(text, length);
        }
        lists.push_back(std::move(list));
    }
    return lists;
}
