// quillroute-check: reads a whole data set the way the program reads it and
// lists every problem a data maintainer should fix, one a line.
//
//   quillroute-check [--help] [--version] [PROGRAM_FOLDER [SHARED_FOLDER]]

#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "catalogue/DataFiles.h"
#include "check/DataCheck.h"
#include "platform/CommandLine.h"
#include "platform/PathText.h"
#include "platform/QtRegistry.h"
#include "platform/TextConversion.h"
#include "platform/UserFolders.h"
#include "session/ProgramData.h"

namespace fs = std::filesystem;

namespace {

const char* const kDescription =
    "Checks the program's data (dat/, images/, xcngrate.dat in PROGRAM_FOLDER, by default\n"
    "the folder of this command; update.ini where the program keeps it: in PROGRAM_FOLDER,\n"
    "or in the user's data folder when PROGRAM_FOLDER cannot be written) and the price list\n"
    "M_lom.dat in SHARED_FOLDER (by default the shared data folder registered for the user,\n"
    "else the folder \"shared\" beside PROGRAM_FOLDER or share/quillroute/shared of an\n"
    "installation, else PROGRAM_FOLDER itself). Names the folders it reads, then prints\n"
    "each problem as FILE:LINE: [SECTION] MESSAGE and a summary. Exit status 0 without\n"
    "problems, 1 with problems, 2 when the data cannot be read.";

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument("PROGRAM_FOLDER", "The program's folder.", "[PROGRAM_FOLDER");
    parser.addPositionalArgument("SHARED_FOLDER", "The shared data folder.", "[SHARED_FOLDER]]");
    if (const auto status = quill::ReadCommandLine(parser, kDescription, 0, 2)) return *status;
    const QStringList folders = parser.positionalArguments();
    const fs::path program =
        !folders.isEmpty() ? quill::ToPath(folders[0]) : quill::OwnFolder(argv[0]);
    // Where the program itself would keep "update.ini"; nothing is made there.
    quill::NameApplication();
    bool registered = false;
    quill::QtRegistry registry;
    const fs::path shared = folders.size() > 1
                                ? quill::ToPath(folders[1])
                                : quill::SharedFolderFor(registry, program, &registered);
    const fs::path written = quill::WhereWrittenFilesGo(program);
    std::printf("Program folder: %s\nShared folder: %s%s\nWritten files: %s\n",
                quill::Utf8Of(program).c_str(), quill::Utf8Of(shared).c_str(),
                registered ? " (registered for this user)" : "", quill::Utf8Of(written).c_str());

    const quill::DataCheckReport report = quill::CheckDataSet(program, shared, written);
    for (const quill::DataProblem& problem : report.problems)
        std::printf("%s\n", quill::FormatProblem(problem).c_str());
    for (const std::string& file : report.unreadable)
        std::printf("%s: cannot be read\n", file.c_str());
    const std::string where = quill::Utf8Of(program) + " and " + quill::Utf8Of(shared);
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
