#pragma once

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The command line: one registry of commands (the list in CommandLine.cpp),
// each declared in a file of its own with its options. The parse, its usage
// errors and --help are made from those declarations.

inline constexpr char kProgramName[] = "orvella-exporter";

// One option, as the parse takes it and --help shows it.
struct Option {
  std::string_view name;        // "export": --export, or -export
  std::string_view value = {};  // "FILE"; "[FOLDER]" may be left out; none: a flag
  std::string_view help = {};   // Latin-1; a no-break space (\xa0) keeps two words together
  char letter = 0;              // 'h': -h as well
  // What is wrong with a value ("takes 1.0 or 2.0"), or null. An empty value
  // is refused before, unless the value may be left out.
  const char *(*refuse)(const QByteArray &value) = nullptr;

  bool valueOptional() const { return value.starts_with('['); }
};

struct Command;

// What the arguments ask for; values stay the bytes of argv.
struct Arguments {
  struct Given {
    std::string_view option;  // its name; Qt's own options among them
    std::optional<QByteArray> value;
  };
  const Command *command = nullptr;
  std::vector<Given> given;
  QString error;  // why they cannot be used: then nothing is to be acted on

  bool has(std::string_view option) const {
    return std::ranges::any_of(given, [option](const Given &g) { return g.option == option; });
  }
  // The last value given.
  std::optional<QByteArray> value(std::string_view option) const {
    for (auto g = given.rbegin(); g != given.rend(); ++g) {
      if (g->option == option && g->value) return g->value;
    }
    return std::nullopt;
  }
};

// A mode of the program: the option that asks for it, the options that go
// with it (and with the other commands that list them), and what runs it.
struct Command {
  Option option = {};  // without a name: the window, when no command is asked for
  std::span<const Option> options = {};
  // Runs it in the program; database: the one --database names, else the reader's.
  int (*run)(const Arguments &arguments, const std::filesystem::path &database) = nullptr;
  const char *moduleEntry = nullptr;  // or the window's module, by this entry (WindowModule.h)
  bool readsDatabase = false;         // "[--database PATH]" in its usage line
  bool immediate = false;             // --help, --version: before Qt starts, whatever else is asked
  bool internal = false;              // run by the system alone: no usage line
};

// Qt's own options (-platform, -style, ...) are taken anywhere, for QApplication.
Arguments parseArguments(int argc, char **argv);
// Runs a command of the program, or says what is wrong with the arguments
// (kUsage). Memory that runs out ends in a sentence and kOutOfMemory, never
// in an uncaught exception. program: argv[0].
int runCommandLine(const Arguments &arguments, char *program);
QString commandLineHelp();
