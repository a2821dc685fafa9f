#include "script.hpp"

#include <array>

#include "amount.hpp"
#include "lettercase.hpp"

namespace morvane {
namespace {

constexpr std::array kAmountFunctions = {
    NamedFunction{"ToTrans", &ToTrans},
};

constexpr std::array kCaseFunctions = {
    NamedFunction{"toLowerCase", &toLowerCase},
    NamedFunction{"toUpperCase", &toUpperCase},
    NamedFunction{"FirstLetterCase", &FirstLetterCase},
};

}  // namespace

ScriptFunction Script::Find(std::string_view name) const noexcept {
    for (const NamedFunction& entry : functions) {
        if (entry.name == name) return entry.function;
    }
    return nullptr;
}

const Script AmountScript{kAmountFunctions};
const Script CaseScript{kCaseFunctions};

}  // namespace morvane
