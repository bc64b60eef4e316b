#include "units/Parsers.h"

#include "units/Text.h"

#include <algorithm>

namespace waybill {

std::vector<std::string> SplitPipeList(std::string_view text) {
    const std::string_view t = TrimView(text);
    std::vector<std::string> values;
    if (t.size() < 2) {
        return values;
    }
    const std::string_view inner = t.substr(1, t.size() - 2);
    if (inner.empty()) {
        return values;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = inner.find('|', start);
        if (bar == std::string_view::npos) {
            values.emplace_back(inner.substr(start));
            break;
        }
        values.emplace_back(inner.substr(start, bar - start));
        start = bar + 1;
    }
    return values;
}

std::string PipeListValue(std::string_view text) {
    std::string value = SingleLineText(text);
    std::replace(value.begin(), value.end(), '|', kBrokenBar);
    return value;
}

std::string JoinPipeList(const std::vector<std::string>& values, std::size_t start) {
    std::string out = "|";
    for (std::size_t i = start; i < values.size(); ++i) {
        out += values[i];
        out += '|';
    }
    return out;
}

bool IsParenList(std::string_view text) {
    const std::string_view t = TrimView(text);
    return t.size() >= 2 && t.front() == '(' && t.back() == ')';
}

namespace {

void ReplaceAll(std::string& s, std::string_view from, std::string_view to) {
    std::size_t pos = 0;
    while ((pos = s.find(from, pos)) != std::string::npos) {
        s.replace(pos, from.size(), to);
        pos += to.size();
    }
}

} // namespace

std::string DecodeCadCodes(std::string_view text) {
    std::string s = Trim(text);
    if (s.find("%%") == std::string::npos) {
        return s;
    }
    ReplaceAll(s, "%%34", "\\\"");
    ReplaceAll(s, "%%C", "\xBA");
    ReplaceAll(s, "%%c", "\xBA");
    ReplaceAll(s, "%%137", "\xF0");
    return s;
}

std::vector<std::string> TokenizeList(std::string_view text) {
    std::vector<std::string> tokens;
    if (!IsParenList(text)) {
        return tokens;
    }
    const std::string s = DecodeCadCodes(text);
    std::string token;
    bool inToken = false;
    bool quoted = false;
    int depth = 0;    // of a sub-list item
    int bareOpen = 0; // parentheses a bare item opened and has not closed yet
    auto endToken = [&] {
        tokens.push_back(std::move(token));
        token.clear();
        inToken = false;
        quoted = false;
        depth = 0;
        bareOpen = 0;
    };
    const std::size_t last = s.size() - 1; // the closing parenthesis
    for (std::size_t i = 1; i < last; ++i) {
        const char c = s[i];
        if (!inToken) {
            if (c == '(') {
                inToken = true;
                depth = 1;
                token = "(";
            } else if (c == ' ') {
                continue;
            } else if (c == '"') {
                inToken = true;
                quoted = true;
            } else {
                inToken = true;
                token = c;
            }
        } else if (quoted) {
            if (c == '"') {
                quoted = false;
                if (depth == 0) {
                    endToken();
                } else {
                    token += c;
                }
            } else if (c == '\\' && i + 1 < last && s[i + 1] == '"') {
                token += '"';
                ++i;
            } else {
                token += c;
            }
        } else if (c == '(' && depth == 0) {
            token += c;
            ++bareOpen;
        } else if (c == ')') {
            if (bareOpen > 0) {
                token += c;
                --bareOpen;
            } else if (depth > 0) {
                token += c;
                if (--depth == 0) {
                    endToken();
                }
            } else {
                // A stray ")" after a bare item closes that item.
                endToken();
            }
        } else if (c == ' ') {
            if (depth == 0) {
                endToken();
            } else {
                token += c;
            }
        } else if (c == '"') {
            token += c;
            quoted = true;
        } else {
            token += c;
        }
    }
    if (inToken && !token.empty()) {
        tokens.push_back(std::move(token));
    }
    return tokens;
}

std::string SetParenText(std::string_view text, std::string_view value, int index) {
    if (text.find('(') == std::string_view::npos) {
        if (value.empty()) {
            return std::string(text);
        }
        return std::string(text) + " (" + std::string(value) + ")";
    }
    std::string out;
    std::size_t start = 0;
    int pieceNumber = 0;
    while (true) {
        const std::size_t open = text.find('(', start);
        const std::string_view piece =
            text.substr(start, open == std::string_view::npos ? open : open - start);
        if (pieceNumber == 0) {
            out += piece;
        } else {
            out += '(';
            const std::size_t close = piece.find(')');
            if (pieceNumber == index && close != std::string_view::npos) {
                out += value;
                out += piece.substr(close);
            } else {
                out += piece;
            }
        }
        if (open == std::string_view::npos) {
            break;
        }
        start = open + 1;
        ++pieceNumber;
    }
    return out;
}

} // namespace waybill
