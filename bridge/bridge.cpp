#include "bridge.hpp"

namespace morvane {

std::u16string RunScriptFunction(const Script& script, std::string_view functionName,
                                 std::u16string_view text) noexcept {
    // Looked up anew on every call: nothing is kept from one conversion to the next.
    const ScriptFunction function = script.Find(functionName);
    if (function == nullptr) return {};
    try {
        return function(text);
    } catch (...) {
        return {};
    }
}

}  // namespace morvane
