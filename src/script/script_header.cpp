#include "script/script_header.h"

#include <cctype>
#include <cstdint>
#include <limits>

int VersionKey(int major, int minor, int build)
{
    // Unsigned arithmetic wraps where the signed form would overflow.
    uint32_t key =
        static_cast<uint32_t>(major) * 100000u + static_cast<uint32_t>(minor) * 1000u + static_cast<uint32_t>(build);
    return static_cast<int>(key);
}

bool IsScriptHeader(const std::string& line)
{
    static const char kWord[] = "version";
    if (line.size() < sizeof kWord - 1)
        return false;
    for (size_t i = 0; i < sizeof kWord - 1; ++i) {
        if (std::tolower(static_cast<unsigned char>(line[i])) != kWord[i])
            return false;
    }
    return true;
}

namespace {

// A cursor over the header that reads what "%[^|]|", "%d" and "%[.]" of the
// C scanner read, without its fixed-size buffers.
class HeaderScanner {
public:
    explicit HeaderScanner(const std::string& line) : line_(line) {}

    // "%[^|]|": at least one character other than "|", then the "|".
    bool SkipField()
    {
        size_t start = pos_;
        while (pos_ < line_.size() && line_[pos_] != '|')
            ++pos_;
        if (pos_ == start || pos_ == line_.size())
            return false;
        ++pos_;
        return true;
    }

    // "%d": white space, optional sign, at least one decimal digit. Values
    // beyond the 32-bit range are clamped.
    bool ReadDecimal(int& value)
    {
        size_t pos = pos_;
        while (pos < line_.size() && std::isspace(static_cast<unsigned char>(line_[pos])))
            ++pos;
        bool negative = false;
        if (pos < line_.size() && (line_[pos] == '+' || line_[pos] == '-')) {
            negative = line_[pos] == '-';
            ++pos;
        }
        size_t firstDigit = pos;
        int64_t magnitude = 0;
        const int64_t limit = int64_t{std::numeric_limits<int>::max()} + 1;
        while (pos < line_.size() && std::isdigit(static_cast<unsigned char>(line_[pos]))) {
            magnitude = magnitude * 10 + (line_[pos] - '0');
            if (magnitude > limit)
                magnitude = limit;
            ++pos;
        }
        if (pos == firstDigit)
            return false;
        int64_t signedValue = negative ? -magnitude : magnitude;
        if (signedValue > std::numeric_limits<int>::max())
            signedValue = std::numeric_limits<int>::max();
        value = static_cast<int>(signedValue);
        pos_ = pos;
        return true;
    }

    // "%[.]": one or more dots.
    bool SkipDots()
    {
        size_t start = pos_;
        while (pos_ < line_.size() && line_[pos_] == '.')
            ++pos_;
        return pos_ > start;
    }

private:
    const std::string& line_;
    size_t pos_ = 0;
};

} // namespace

namespace {

// "%d%[.]%d%[.]%d" from where the scanner stands.
ScriptVersion ReadDottedVersion(HeaderScanner& scan)
{
    ScriptVersion version;
    if (scan.ReadDecimal(version.major) && scan.SkipDots() && scan.ReadDecimal(version.minor) && scan.SkipDots())
        scan.ReadDecimal(version.build);
    return version;
}

} // namespace

ScriptVersion ParseDottedVersion(const std::string& text)
{
    HeaderScanner scan(text);
    return ReadDottedVersion(scan);
}

ScriptVersion ParseHeaderVersion(const std::string& line)
{
    HeaderScanner scan(line);
    if (!scan.SkipField())
        return ScriptVersion{};
    return ReadDottedVersion(scan);
}

int ParseHeaderProduct(const std::string& line)
{
    int product = kProductUnset;
    HeaderScanner scan(line);
    if (scan.SkipField() && scan.SkipField())
        scan.ReadDecimal(product);
    return product;
}

bool IsProductType(int productCode)
{
    return productCode >= kProductAlcohol120 && productCode <= kProductAlcohol52;
}

bool IsKnownProduct(int productCode)
{
    return productCode == kProductUnset || IsProductType(productCode);
}
