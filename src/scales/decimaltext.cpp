#include "scales/decimaltext.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// A non-negative integer in base 10^9 limbs, least significant first; just enough for the
// products m · 2^k and m · 5^k of a double's expansion.
class BigDecimal {
public:
    explicit BigDecimal(std::uint64_t value) {
        do {
            FLimbs.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    void multiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : FLimbs) {
            const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            FLimbs.push_back(static_cast<std::uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    // Multiplies by base^count in chunks that keep every product below 2^64.
    void multiplyByPower(std::uint32_t base, std::uint32_t chunkPower, int chunkCount, int count) {
        for (; count >= chunkCount; count -= chunkCount)
            multiplyBy(chunkPower);
        for (; count > 0; --count)
            multiplyBy(base);
    }

    std::string digits() const {
        std::string text = std::to_string(FLimbs.back());
        for (auto it = FLimbs.rbegin() + 1; it != FLimbs.rend(); ++it) {
            const std::string part = std::to_string(*it);
            text += std::string(9 - part.size(), '0') + part;
        }
        return text;
    }

private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint32_t> FLimbs;
};

// The exact digits of abs(x): abs(x) = 0.digits × 10^point, digits without leading zeros
// ("0" with point 1 for zero).
std::string exactDigits(double x, int& point) {
    int binaryExponent = 0;
    const double fraction = std::frexp(std::fabs(x), &binaryExponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    if (mantissa == 0) {
        point = 1;
        return "0";
    }
    int exponent = binaryExponent - 53;
    for (; (mantissa & 1) == 0; mantissa >>= 1)
        ++exponent;
    BigDecimal value(mantissa);
    int fractionDigits = 0;
    if (exponent >= 0) {
        value.multiplyByPower(2, 1u << 29, 29, exponent);
    } else {
        value.multiplyByPower(5, 1220703125u, 13, -exponent); // 5^13
        fractionDigits = -exponent;
    }
    std::string digits = value.digits();
    point = static_cast<int>(digits.size()) - fractionDigits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

// Adds one unit in the last place of a digit string; true when a new leading digit appeared.
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// Cuts a digit string to `keep` digits, rounding half away from zero (the cut part decides by its
// first digit alone, since the expansion is exact). Pads with zeros when shorter.
bool roundDigits(std::string& digits, std::size_t keep) {
    if (digits.size() <= keep) {
        digits.append(keep - digits.size(), '0');
        return false;
    }
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    return up && incrementDigits(digits);
}

// The first wholeDigits digits, then the point and the rest. Appended in place: g++ 12 at -O3 takes a
// concatenation with a temporary for an overlapping copy and warns.
std::string withDecimalPoint(const std::string& digits, std::size_t wholeDigits, bool fraction) {
    std::string text = digits.substr(0, wholeDigits);
    if (fraction) {
        text.push_back('.');
        text.append(digits, wholeDigits);
    }
    return text;
}

} // namespace

QString fixedDecimalText(double x, int decimals) {
    decimals = std::max(decimals, 0);
    int point = 0;
    const std::string digits = exactDigits(x, point);
    std::string whole;
    std::string fraction;
    if (point <= 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= static_cast<int>(digits.size())) {
        whole = digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(point));
        fraction = digits.substr(static_cast<std::size_t>(point));
    }
    std::string all = whole + fraction;
    if (roundDigits(all, whole.size() + static_cast<std::size_t>(decimals)))
        whole.push_back('0'); // the carry added a leading digit to the whole part
    std::string text = withDecimalPoint(all, whole.size(), decimals > 0);
    const bool zero = all.find_first_not_of('0') == std::string::npos;
    if (std::signbit(x) && !zero) text.insert(text.begin(), '-');
    return QString::fromStdString(text);
}

ScientificText scientificDecimalText(double x, int decimals) {
    decimals = std::max(decimals, 0);
    ScientificText result;
    result.Negative = std::signbit(x) && x != 0;
    int point = 0;
    std::string digits = exactDigits(x, point);
    result.Exponent = x == 0 ? 0 : point - 1;
    if (roundDigits(digits, static_cast<std::size_t>(decimals) + 1)) {
        digits.pop_back(); // 9.99 -> 10.0: one more digit means one more power of ten
        ++result.Exponent;
    }
    result.Mantissa = QString::fromStdString(withDecimalPoint(digits, 1, decimals > 0));
    return result;
}
