// Line 1 of a script: "Version|major.minor.build|product|".
#pragma once

#include <string>

constexpr int kProductAlcohol120 = 1;
constexpr int kProductDaemonTools = 2;
constexpr int kProductAlcohol52 = 3;
// The product code before a header has been read, and of a header without one.
constexpr int kProductUnset = -1;

// The one number by which script and program versions are compared:
// major * 100000 + minor * 1000 + build, as a signed 32-bit value. A minor
// of 100 or a build of 1000 spills into the next place.
int VersionKey(int major, int minor, int build);

struct ScriptVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
};

// Whether the line begins with "Version", in any letter case.
bool IsScriptHeader(const std::string& line);

// Major, minor and build from the start of a text such as "1.5.4" or
// "2.0.1.7": numbers separated by runs of dots. Numbers that cannot be read
// count as 0.
ScriptVersion ParseDottedVersion(const std::string& text);

// The version of the header's second field: numbers separated by runs of
// dots. Numbers that cannot be read count as 0, so an unreadable version
// never makes a script look newer than it is.
ScriptVersion ParseHeaderVersion(const std::string& line);

// The product code of the header's third field, or kProductUnset.
int ParseHeaderProduct(const std::string& line);

// One of the three products, 1 to 3.
bool IsProductType(int productCode);

// A product code the header may name: unset (meaning DAEMON Tools) or 1 to 3.
bool IsKnownProduct(int productCode);
