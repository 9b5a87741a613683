#include "script/item_kinds.h"

#include <cctype>

namespace {

bool EqualNoCase(const std::string& a, const char* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

} // namespace

ItemKind FindItemKind(const std::string& name)
{
    for (int kind = 0; kind < kItemKindCount; ++kind) {
        if (EqualNoCase(name, ItemKindTable[kind].name))
            return static_cast<ItemKind>(kind);
    }
    return kKindUnknown;
}
