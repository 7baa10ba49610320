#include "JsonText.h"

namespace tilvora {

std::string JsonString(const std::string& bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (byte) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20 || byte >= 0x7F) {
                out += "\\u00";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

} // namespace tilvora
