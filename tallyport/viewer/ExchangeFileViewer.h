// ExchangeFileViewer: what the viewer screen shows and does, without the screen. It lists the nine
// exchange files (displayed name, " - " and a description), shows a chosen file's lines (cut at
// line feeds, an empty file gives the "no data" message) and deletes the chosen file after a
// Yes/No question. A choice whose file name is empty (names never derived) shows the "does not
// exist" message and neither reads nor deletes anything.
#pragma once

#include <string>
#include <vector>

namespace tp {

struct Globals;
class Messenger;

class ExchangeFileViewer {
public:
    struct Entry {
        std::string caption;     // displayed name & " - " & description
        std::string openedName;  // the file opened in the program folder
    };

    static constexpr const char* Heading =
        "These files are the files that are transferred to and from the payment processor."
        " They are for viewing only, but if there is a problem within a file,"
        " you can delete that file if instructed by a technician.";

    ExchangeFileViewer(Globals& g, Messenger& messenger);

    // The nine entries, with the current shared file names.
    std::vector<Entry> entries() const;

    // Makes entry `index` the chosen file without showing it; false for an index out of range.
    bool select(int index);
    // Chooses entry `index` and returns the lines to show (empty after a message).
    std::vector<std::string> choose(int index);
    // Deletes the chosen file after asking; true when a file was deleted.
    bool deleteChosen();

    const std::string& chosenFileName() const { return ChosenFileName; }
    bool chosenFileFound() const { return ChosenFileFound; }

private:
    void CheckChosenFile();
    std::vector<std::string> ShowFileContents();

    Globals& g_;
    Messenger& messenger_;
    std::string ChosenFileName;
    bool ChosenFileFound = false;
};

}  // namespace tp
