#pragma once
// The entries of a dialog's combo boxes, kept as a resource beside the dialog
// template: per box a 16-bit control id (little-endian), its entries each
// ending in a zero byte, then an empty entry; a control id of 0 ends the data.

#include <cstddef>
#include <string>
#include <vector>

struct ComboList {
    int controlId = 0;
    std::vector<std::string> entries;  // in list order
};

// Every complete list of the data. Reading stops at the end marker or where
// the data ends; a list cut short there is left out.
std::vector<ComboList> ParseComboLists(const unsigned char* data, std::size_t size);
