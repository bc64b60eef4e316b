#include "cli/Synopsis.h"

#include <algorithm>

namespace waybill::cli {
namespace {

// A word without the brackets around it, and the brackets around it.
struct Word {
    std::string_view bare;
    int opens = 0;            // "[" before it
    int closes = 0;           // "]" after it
    bool startsGroup = false; // "(" before it
    bool endsGroup = false;   // ")" after it
};
Word Read(std::string_view token) {
    Word word;
    const std::size_t first = std::min(token.find_first_not_of("[("), token.size());
    const std::size_t end = std::max(token.find_last_not_of("])") + 1, first);
    word.bare = token.substr(first, end - first);
    for (const char c : token.substr(0, first)) {
        word.opens += c == '[' ? 1 : 0;
        word.startsGroup = word.startsGroup || c == '(';
    }
    for (const char c : token.substr(end)) {
        word.closes += c == ']' ? 1 : 0;
        word.endsGroup = word.endsGroup || c == ')';
    }
    return word;
}

bool IsFileName(std::string_view name) {
    static constexpr std::string_view kFiles[] = {"IN", "OUT", "OLD", "NEW", "DAT", "FILE"};
    const std::string_view base = name.substr(0, name.find('.'));
    return std::find(std::begin(kFiles), std::end(kFiles), base) != std::end(kFiles);
}

} // namespace

std::vector<std::string_view> BlankSeparatedWords(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (end > start) {
            words.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return words;
}

const SynopsisOption* Synopsis::Option(std::string_view name) const {
    const auto found = std::find_if(options.begin(), options.end(),
                                    [&](const SynopsisOption& o) { return o.name == name; });
    return found == options.end() ? nullptr : &*found;
}

Synopsis ReadSynopsis(std::string_view text) {
    const std::vector<std::string_view> tokens = BlankSeparatedWords(text);
    Synopsis synopsis;
    int optional = 0; // how many "[" are open
    bool inGroup = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        Word word = Read(tokens[i]);
        optional += word.opens;
        if (word.startsGroup) {
            inGroup = true;
            synopsis.oneOf.emplace_back();
        }
        if (word.bare.starts_with("--")) {
            SynopsisOption option{std::string(word.bare)};
            option.required = optional == 0 && !inGroup;
            const bool closed = word.closes > 0 || word.endsGroup;
            if (!closed && i + 1 < tokens.size() && tokens[i + 1] != "|" &&
                !Read(tokens[i + 1]).bare.starts_with("--")) {
                const Word value = Read(tokens[++i]);
                option.value = value.bare == "FILE" ? SynopsisOption::Value::File
                                                    : SynopsisOption::Value::Text;
                word.closes = value.closes;
                word.endsGroup = value.endsGroup;
            }
            if (inGroup) {
                synopsis.oneOf.back().push_back(option.name);
            }
            if (!synopsis.Option(option.name)) {
                synopsis.options.push_back(option);
            }
        } else if (word.bare == "..." && !synopsis.arguments.empty()) {
            synopsis.arguments.back().repeats = true;
        } else if (word.bare != "|" && !word.bare.empty()) {
            std::string_view name = word.bare;
            const bool repeats = name.ends_with("...");
            name.remove_suffix(repeats ? 3 : 0);
            synopsis.arguments.push_back(
                {std::string(name), IsFileName(name), optional > 0, repeats});
        }
        optional -= word.closes;
        inGroup = inGroup && !word.endsGroup;
    }
    return synopsis;
}

} // namespace waybill::cli
