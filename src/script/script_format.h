// The script file format: one record per line, every field closed by "|".
// Platform-free: the reader works on any byte source, so the same code reads
// a Win32 file handle in the program and a memory buffer in the tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

using ScriptFields = std::vector<std::string>;

// A source of script bytes. ReadByte answers false at the end of the data and
// on a read error alike: a failed read ends the script as if the file ended.
class ScriptInput {
public:
    virtual ~ScriptInput() = default;
    virtual bool ReadByte(char& byte) = 0;
    // Puts back the byte just read, so the next read yields it again.
    virtual void StepBack() = 0;
};

// The sink for written scripts. Write errors are not reported: a script is
// written line after line whatever happened to the previous one.
class ScriptOutput {
public:
    virtual ~ScriptOutput() = default;
    virtual void Write(const std::string& bytes) = 0;
};

// The next line without its line end (CR LF, CR or LF), or nothing at the
// end of the data. A blank line is an empty text, never the end.
std::optional<std::string> ReadScriptLine(ScriptInput& input);

struct ScriptRecord {
    enum class Type {
        Record,      // kind and fields are set
        EndOfScript, // no further line
        NoSeparator, // a line without any "|"
        BlankLine,   // an empty line; skipped by callers but still counted
    };
    Type type = Type::EndOfScript;
    std::string kind;
    ScriptFields fields;
};

// Splits a line into its kind name and fields. Text after the last "|" is
// kept as a further field, so a hand-written line that lacks its final "|"
// loses nothing.
ScriptRecord SplitScriptRecord(const std::string& line);

ScriptRecord ReadScriptRecord(ScriptInput& input);

// Writes "kind|field|...|" and CR LF.
void WriteScriptRecord(ScriptOutput& output, const std::string& kind, const ScriptFields& fields);

// Reads an integer the way the "%i" conversion does: optional white space and
// sign, then "0x"/"0X" for hexadecimal, a leading "0" for octal, decimal
// otherwise, stopping at the first character that does not fit. Nothing when
// no digit could be read. Values wrap to 32 bits as the C runtime's did.
std::optional<int> ScanInteger(const std::string& text);
