// Feeds arbitrary bytes to the script reader as both readers use it: the
// header checks on line 1, then record after record to the end.
#include <cstddef>
#include <cstdint>
#include <string>

#include "../core/memory_script.h"
#include "script/item_kinds.h"
#include "script/script_format.h"
#include "script/script_header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryScriptInput input(std::string(reinterpret_cast<const char*>(data), size));
    if (std::optional<std::string> header = ReadScriptLine(input)) {
        if (IsScriptHeader(*header)) {
            ScriptVersion version = ParseHeaderVersion(*header);
            VersionKey(version.major, version.minor, version.build);
            IsKnownProduct(ParseHeaderProduct(*header));
        }
    }
    for (;;) {
        ScriptRecord record = ReadScriptRecord(input);
        if (record.type == ScriptRecord::Type::EndOfScript)
            break;
        FindItemKind(record.kind);
        for (const std::string& field : record.fields)
            ScanInteger(field);
    }
    return 0;
}
