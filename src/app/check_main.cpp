// quillroute-check: reads a whole data set the way the program reads it and
// lists every problem a data maintainer should fix, one a line.
//
//   quillroute-check [PROGRAM_FOLDER [SHARED_FOLDER]]

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "catalogue/DataFiles.h"
#include "check/DataCheck.h"
#include "platform/UserFolders.h"
#include "session/ProgramData.h"

namespace fs = std::filesystem;

namespace {

const char* const kUsage =
    "usage: quillroute-check [PROGRAM_FOLDER [SHARED_FOLDER]]\n"
    "Checks the program's data (dat/, images/, xcngrate.dat in PROGRAM_FOLDER, by default\n"
    "the folder of this command; update.ini where the program keeps it: in PROGRAM_FOLDER,\n"
    "or in the user's data folder when PROGRAM_FOLDER cannot be written) and the price list\n"
    "M_lom.dat in SHARED_FOLDER (by default the folder \"shared\" beside PROGRAM_FOLDER,\n"
    "or share/quillroute/shared of an installation, else PROGRAM_FOLDER itself). Prints\n"
    "each problem as FILE:LINE: [SECTION] MESSAGE and a summary. Exit status 0 without\n"
    "problems, 1 with problems, 2 when the data cannot be read.\n";

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 3 || (argc > 1 && argv[1][0] == '-')) {
        std::fputs(kUsage, argc > 1 && std::string(argv[1]) == "--help" ? stdout : stderr);
        return argc > 1 && std::string(argv[1]) == "--help" ? 0 : 2;
    }
    const fs::path program = argc > 1 ? fs::path(argv[1]) : quill::OwnFolder(argv[0]);
    fs::path shared = argc > 2 ? fs::path(argv[2]) : quill::DefaultSharedFolder(program);

    // Where the program itself would keep "update.ini"; nothing is made there.
    quill::NameApplication();
    const fs::path written = quill::WhereWrittenFilesGo(program);

    const quill::DataCheckReport report = quill::CheckDataSet(program, shared, written);
    for (const quill::DataProblem& problem : report.problems)
        std::printf("%s\n", quill::FormatProblem(problem).c_str());
    for (const std::string& file : report.unreadable)
        std::printf("%s: cannot be read\n", file.c_str());
    const std::string where = program.string() + " and " + shared.string();
    if (!report.unreadable.empty()) {
        std::printf("%zu file(s) of %s cannot be read.\n", report.unreadable.size(), where.c_str());
        return 2;
    }
    if (!report.problems.empty()) {
        std::printf("%zu problem(s) in %d files of %s.\n", report.problems.size(), report.filesRead,
                    where.c_str());
        return 1;
    }
    std::printf("No problems in %d files of %s.\n", report.filesRead, where.c_str());
    return 0;
}
