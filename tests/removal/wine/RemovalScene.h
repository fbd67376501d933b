#pragma once
// The files a removal program is started among: the three it removes, placed in the recorded
// folder and the system folder, and decoys of the same names where a faulty program would
// aim with a missing or relative folder (the root of drive C:, the current folder, a folder
// below it, and a folder one letter longer than the recorded one).

#include <set>
#include <string>
#include <vector>

namespace qv::removal::wine_test {

constexpr char kRecordedFolder[] = "C:\\qvtest\\Quorvane";
constexpr char kCurrentFolder[] = "C:\\qvtest\\cwd";

struct ProgramFiles {
    std::string program;  // the built program, as a Windows path
    std::string recordKey;
    std::string workbookName;
    std::string helpName;
    std::string libraryName;
};

class RemovalScene {
  public:
    // Clears what earlier cases left (files and both products' keys) and places every file.
    explicit RemovalScene(ProgramFiles files);

    std::string recordedWorkbook() const;
    std::string library() const;

    // The watched files that exist now.
    std::set<std::string> existingFiles() const;
    // What should exist after a run: every decoy; the recorded files unless they were to go;
    // the files held open in any case.
    std::set<std::string> expectedFiles(bool recordedRemoved,
                                        const std::vector<std::string>& held) const;

    const ProgramFiles& files() const { return files_; }

  private:
    std::vector<std::string> decoys() const;
    std::vector<std::string> recorded() const;
    std::vector<std::string> watched() const;

    ProgramFiles files_;
};

}  // namespace qv::removal::wine_test
