#include "engine/values/AsciiNoCase.h"

namespace {

int Fold(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? byte - 'A' + 'a' : byte;
}

} // namespace

int AsciiCompareNoCaseN(const char* a, const char* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const int diff = Fold(a[i]) - Fold(b[i]);
        if (diff != 0 || a[i] == '\0') {
            return diff;
        }
    }
    return 0;
}

int AsciiCompareNoCase(const char* a, const char* b) {
    return AsciiCompareNoCaseN(a, b, static_cast<std::size_t>(-1));
}
