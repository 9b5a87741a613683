#include "script/script_format.h"

#include <cctype>
#include <cstdint>

std::optional<std::string> ReadScriptLine(ScriptInput& input)
{
    std::string line;
    char byte;
    bool readAnything = false;
    while (input.ReadByte(byte)) {
        readAnything = true;
        if (byte == '\n')
            return line;
        if (byte == '\r') {
            char next;
            if (input.ReadByte(next) && next != '\n')
                input.StepBack();
            return line;
        }
        line.push_back(byte);
    }
    if (!readAnything)
        return std::nullopt;
    return line;
}

ScriptRecord SplitScriptRecord(const std::string& line)
{
    ScriptRecord record;
    if (line.empty()) {
        record.type = ScriptRecord::Type::BlankLine;
        return record;
    }
    size_t separator = line.find('|');
    if (separator == std::string::npos) {
        record.type = ScriptRecord::Type::NoSeparator;
        return record;
    }
    record.type = ScriptRecord::Type::Record;
    record.kind = line.substr(0, separator);
    size_t start = separator + 1;
    for (;;) {
        size_t next = line.find('|', start);
        if (next == std::string::npos)
            break;
        record.fields.push_back(line.substr(start, next - start));
        start = next + 1;
    }
    if (start < line.size())
        record.fields.push_back(line.substr(start));
    return record;
}

ScriptRecord ReadScriptRecord(ScriptInput& input)
{
    std::optional<std::string> line = ReadScriptLine(input);
    if (!line)
        return ScriptRecord{};
    return SplitScriptRecord(*line);
}

void WriteScriptRecord(ScriptOutput& output, const std::string& kind, const ScriptFields& fields)
{
    std::string line = kind + "|";
    for (const std::string& field : fields)
        line += field + "|";
    line += "\r\n";
    output.Write(line);
}

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

} // namespace

std::optional<int> ScanInteger(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    unsigned base = 10;
    bool sawDigit = false;
    if (i < text.size() && text[i] == '0') {
        sawDigit = true; // "0" alone, and the "0" of "0x" with nothing after it, read as zero
        ++i;
        base = 8;
        if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
            base = 16;
            ++i;
        }
    }
    uint32_t value = 0;
    for (; i < text.size(); ++i) {
        int digit = DigitValue(text[i]);
        if (digit >= static_cast<int>(base))
            break;
        value = value * base + static_cast<uint32_t>(digit);
        sawDigit = true;
    }
    if (!sawDigit)
        return std::nullopt;
    if (negative)
        value = 0u - value;
    return static_cast<int>(value);
}
