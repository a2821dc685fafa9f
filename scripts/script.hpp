// The conversions as scripts: fixed tables of named functions, looked up by the
// name a caller gives, exactly as spelt (case-sensitive).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace morvane {

using ScriptFunction = std::u16string (*)(std::u16string_view);

struct NamedFunction {
    std::string_view name;
    ScriptFunction function;
};

struct Script {
    std::span<const NamedFunction> functions;

    // The function called `name`, or nullptr when the script has none.
    ScriptFunction Find(std::string_view name) const noexcept;
};

// "ToTrans": the amount in words.
extern const Script AmountScript;
// "toLowerCase", "toUpperCase", "FirstLetterCase".
extern const Script CaseScript;

}  // namespace morvane
