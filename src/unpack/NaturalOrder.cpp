#include "unpack/NaturalOrder.h"

namespace {

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

unsigned char FoldCase(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

// Compares the digit runs starting at `left` and `right` by value and moves
// both positions past them. Leading zeros do not count, so any length works.
int CompareNumbers(std::string_view a, size_t& left, std::string_view b, size_t& right) {
    while (left < a.size() && a[left] == '0') ++left;
    while (right < b.size() && b[right] == '0') ++right;
    size_t leftStart = left;
    size_t rightStart = right;
    while (left < a.size() && IsDigit(a[left])) ++left;
    while (right < b.size() && IsDigit(b[right])) ++right;
    size_t leftLength = left - leftStart;
    size_t rightLength = right - rightStart;
    if (leftLength != rightLength) return leftLength < rightLength ? -1 : 1;
    int digits = a.substr(leftStart, leftLength).compare(b.substr(rightStart, rightLength));
    return digits < 0 ? -1 : digits > 0 ? 1 : 0;
}

int CompareNaturally(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        unsigned char left = static_cast<unsigned char>(a[i]);
        unsigned char right = static_cast<unsigned char>(b[j]);
        if (IsDigit(left) && IsDigit(right)) {
            if (int order = CompareNumbers(a, i, b, j); order != 0) return order;
            continue;
        }
        left = FoldCase(left);
        right = FoldCase(right);
        if (left != right) return left < right ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace

bool NaturalLess(std::string_view left, std::string_view right) {
    int order = CompareNaturally(left, right);
    if (order != 0) return order < 0;
    return left < right;
}
