#include "options.hpp"

#include <array>
#include <utility>

namespace morvane::cli {
namespace {

constexpr std::array<std::pair<std::string_view, Mode>, 4> kModes = {{
    {"amount", Mode::kAmount},
    {"upper", Mode::kUpper},
    {"lower", Mode::kLower},
    {"capitalize", Mode::kCapitalize},
}};

constexpr std::string_view kTryHelp = "; try 'morvane-convert --help'";

Options UsageError(std::string reason) {
    Options options;
    options.action = Options::Action::kUsageError;
    options.error = std::move(reason);
    return options;
}

}  // namespace

Options ParseArguments(std::span<const char* const> args) {
    Options options;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg.size() < 2 || arg[0] != '-') break;
        if (arg == "-0" || arg == "--null") {
            options.null_records = true;
        } else if (arg == "-h" || arg == "--help") {
            options.action = Options::Action::kHelp;
            return options;
        } else if (arg == "-V" || arg == "--version") {
            options.action = Options::Action::kVersion;
            return options;
        } else {
            return UsageError("unknown option '" + std::string(arg) + "'" + std::string(kTryHelp));
        }
    }
    if (i == args.size()) {
        return UsageError("no MODE given (amount, upper, lower or capitalize)" +
                          std::string(kTryHelp));
    }
    const std::string_view name = args[i];
    for (const auto& [mode_name, mode] : kModes) {
        if (name == mode_name) {
            options.action = Options::Action::kConvert;
            options.mode = mode;
            options.texts.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            return options;
        }
    }
    return UsageError("unknown mode '" + std::string(name) +
                      "' (use amount, upper, lower or capitalize)" + std::string(kTryHelp));
}

std::string_view HelpText() {
    return R"(Usage: morvane-convert [OPTION...] MODE [TEXT...]
Write amounts in Chinese capital figures, or change the letter case of text.

Each TEXT is converted on its own and its answer is followed by a line feed.
Without TEXT, standard input is read: in amount mode every line is one amount
and gets one line of answer; in the other modes the whole input is one text
and its answer is written with nothing added. Input and output are UTF-8.

Modes:
  amount      the amount in capital figures, or a message when the text is
              not an amount: 'amount 1,234.5' gives 壹仟贰佰叁拾肆元伍角整
  upper       upper case: 'upper "Hello World"' gives HELLO WORLD
  lower       lower case: 'lower "Hello World"' gives hello world
  capitalize  lower case with a capital at the start and after every space:
              'capitalize "the QUICK fox"' gives The Quick Fox

Options (only before MODE; everything after MODE is TEXT):
  -0, --null     records end with NUL instead of a line feed and every answer
                 is followed by NUL; in every mode each record is converted
                 on its own: printf '12\0abc\0' | morvane-convert -0 amount
  -h, --help     display this help and exit: morvane-convert --help
  -V, --version  output version information and exit: morvane-convert -V

Examples:
  morvane-convert amount 6543219870.12
          陆拾伍亿肆仟叁佰贰拾壹万玖仟捌佰柒拾元壹角贰分
  printf '0.5\r\n1.05\n' | morvane-convert amount
          one answer per line: 伍角整, then 壹元伍分
  morvane-convert capitalize < notes.txt > Notes.txt
          the whole file as one text
  morvane-convert amount -5
          the text "-5", which is no amount: a message and exit status 1

Exit status:
  0  every amount was converted
  1  at least one amount was answered with a message
  2  a usage, encoding or input/output error
)";
}

}  // namespace morvane::cli
