// tallyport-cli: runs the program's routines without a screen, for scripting, scheduled work and
// tests. Usage is printed by `tallyport-cli --help`.
#include "CliCommands.h"
#include "CliMessenger.h"
#include "CredentialStore.h"
#include "Globals.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* Usage =
    "usage: tallyport-cli [--folder DIR] [--yes | --no] COMMAND [ARGS]\n"
    "commands:\n"
    "  init-db [--demo]              create the host database (and with --demo a sample portfolio)\n"
    "  login USER PASSWORD URL       store the service login\n"
    "  upload-all [--dry-run]        write the setup and tenant files and upload them\n"
    "                                (with --dry-run: write them, send nothing)\n"
    "  files                         list the exchange files, numbered 0 to 8\n"
    "  show N                        show the lines of exchange file N\n"
    "  delete N                      delete exchange file N (asks; --yes answers)\n";

int usage() {
    std::cerr << Usage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::filesystem::path folder = std::filesystem::current_path();
    std::optional<tp::Answer> preset;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--folder") {
            if (++i >= args.size()) return usage();
            folder = args[i];
        } else if (args[i] == "--yes") {
            preset = tp::Answer::Yes;
        } else if (args[i] == "--no") {
            preset = tp::Answer::No;
        } else if (args[i] == "--help" || args[i] == "-h") {
            std::cout << Usage;
            return 0;
        } else {
            words.push_back(args[i]);
        }
    }
    if (words.empty()) return usage();

    auto programFolder = tp::enterProgramFolder(folder, std::cerr);
    if (!programFolder) return 1;
    tp::Globals g(*programFolder);
    tp::CliMessenger messenger(std::cout, std::cin, preset);
    tp::CredentialStore store;

    const std::string& command = words[0];
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (command == "init-db") {
        if (rest.size() > 1 || (rest.size() == 1 && rest[0] != "--demo")) return usage();
        return tp::initDbCommand(g, messenger, rest.size() == 1);
    }
    if (command == "login") {
        if (rest.size() != 3) return usage();
        return tp::loginCommand(g, messenger, store, rest[0], rest[1], rest[2]);
    }
    if (command == "upload-all") {
        if (rest.size() == 1 && rest[0] == "--dry-run") return tp::uploadAllDryRunCommand(g, messenger, store);
        if (rest.empty()) return tp::uploadAllCommand(g, messenger, store);
        return usage();
    }
    if (command == "files" && rest.empty()) return tp::filesCommand(g, messenger, store);
    if ((command == "show" || command == "delete") && rest.size() == 1) {
        if (rest[0].empty() || rest[0].size() > 4 || rest[0].find_first_not_of("0123456789") != std::string::npos)
            return usage();
        int index = std::stoi(rest[0]);
        return command == "show" ? tp::showCommand(g, messenger, store, index)
                                 : tp::deleteCommand(g, messenger, store, index);
    }
    return usage();
}
