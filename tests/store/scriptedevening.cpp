// The program as main() builds it, playing a whole evening through its windows: 24 players
// registered (one name corrected, one more taken off) and seated, three rounds played (a table's scores of round 3
// sent from a phone and accepted), a penalty and an exclusion, round 4 begun (a table's scores sent and waiting). Every
// step, once done, is written to a journal outside the working directory, so that a process killed at any moment can be
// checked against what it had recorded.
//
//   scriptedevening <working directory> <journal> [<tournament file to save at the end>]
//
// The file operations on the working directory (a file created, written, synced, linked,
// renamed or removed) are counted as the system is asked for them. With KILL_BEFORE=n in the
// environment the process kills itself just before its n-th one; with OPERATIONS=<file> it
// lists them there at the end, one a line: the call, the file, and what the evening was doing.

#include "incidents/exclusiondialog.h"
#include "incidents/penaltydialog.h"
#include "live/tableentry.h"
#include "movements/positions.h"
#include "players/entries.h"
#include "players/registerwindow.h"
#include "rounds/scoreentrydialog.h"
#include "store/newtournamentdialog.h"
#include "support/driving.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QSpinBox>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include "support/systemcalls.h"
#include <QDir>
#include <QFileInfo>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

// ---- Kill points at the file operations

struct Operations
{
    std::string directory; // the working directory, as given and as the system spells it
    std::string real;
    long killBefore = 0;
    std::atomic<long> seen{0};
    std::string doing = "start";
    std::vector<std::string> listed;
    bool listing = false;
};
Operations operations;

#ifndef _WIN32
bool inWorkingDirectory(const char *path)
{
    if (!path || operations.directory.empty())
        return false;
    for (const std::string *dir : {&operations.directory, &operations.real})
        if (!dir->empty() && std::strncmp(path, dir->c_str(), dir->size()) == 0 &&
            (path[dir->size()] == '/' || path[dir->size()] == 0))
            return true;
    return false;
}

bool inWorkingDirectory(int fd)
{
    char link[64], target[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, target, sizeof target - 1);
    if (n <= 0)
        return false;
    target[n] = 0;
    return inWorkingDirectory(target);
}
#endif

// The power cut: nothing more is written, nothing is flushed.
[[noreturn]] void killNow()
{
#ifdef _WIN32
    // An NTSTATUS error code, which QProcess reports as a crash, as it does SIGKILL.
    TerminateProcess(GetCurrentProcess(), 0xC000013A);
#else
    raise(SIGKILL);
#endif
    std::abort();
}

void operation(const char *call, const char *path)
{
    const long n = ++operations.seen;
    if (n == operations.killBefore)
        killNow();
    if (operations.listing) {
        // The working file's name; a file still unnamed, or a save's temporary name, as such.
        const char *slash = path ? std::strrchr(path, '/') : nullptr;
#ifdef _WIN32
        if (const char *backslash = path ? std::strrchr(path, '\\') : nullptr; backslash > slash)
            slash = backslash;
#endif
        std::string name = slash ? slash + 1 : "?";
        if (std::strcmp(call, "tmpfile") == 0 || name.front() == '#')
            name = "(new)";
        else if (const size_t tmp = name.find(".tmp."); tmp != std::string::npos)
            name = name.substr(0, tmp + 4) + ".(temporary)";
        operations.listed.push_back(std::string(call) + ' ' + name + ' ' + operations.doing);
    }
}

#ifndef _WIN32
void operation(const char *call, int fd)
{
    char link[64], target[4096] = "?";
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, target, sizeof target - 1);
    target[n > 0 ? n : 1] = 0;
    operation(call, target);
}

bool creates(int flags)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE || (flags & O_TRUNC);
}
#endif

const QList<QPair<QString, QString>> evening = {
    {"AUBRY", "lucienne"},  {"BARRAULT", "gaston"},  {"CAZENAVE", "odette"}, {"DELORME", "firmin"},
    {"ESCOFFIER", "maud"},  {"FOUGERAY", "anselme"}, {"GRANDIN", "solange"}, {"HUCHET", "léon"},
    {"ISNARD", "berthe"},   {"JOUBERT", "armand"},   {"KERVELLA", "yvette"}, {"LAPORTE", "émile"},
    {"MAILLARD", "rosine"}, {"NOUVEL", "octave"},    {"OLLIVIER", "paule"},  {"PASQUIER", "hector"},
    {"QUEMENEUR", "lise"},  {"RAFFIN", "gustave"},   {"SABATIER", "irène"},  {"TESSIER", "marius"},
    {"URVOY", "colette"},   {"VASSEUR", "aristide"}, {"WALTER", "josette"},  {"YVON", "célestin"}};

class Journal
{
public:
    explicit Journal(const QString &path) : m_file(path) { m_file.open(QIODevice::WriteOnly | QIODevice::Append); }
    // Written through at once: a process killed right after still leaves the line.
    void note(const QString &line)
    {
        m_file.write(line.toUtf8() + '\n');
        m_file.flush();
    }

private:
    QFile m_file;
};

// The scores typed at table t of round r: Nord, Sud, Est, Ouest, summing to zero.
std::array<int, 4> scores(int round, int table)
{
    const int n = 10 * ((3 * table + 5 * round) % 11) - 50;
    const int s = 10 * ((7 * table + 2 * round) % 9) - 40;
    const int e = 5 * ((table + 4 * round) % 13) - 30;
    return {n, s, e, -(n + s + e)};
}

// Opens score entry (Yes to a new round) and records tables first..last of the current round.
void playTables(Application &app, Journal &journal, int first, int last)
{
    const int before = app.state().currentRound();
    operations.doing = "ouverture-saisie"; // Yes to a new round: the round starts here
    drive<ScoreEntryDialog>(app, "&Saisie des résultats", [&](ScoreEntryDialog &d) {
        const int round = app.state().currentRound();
        if (round != before)
            journal.note(QStringLiteral("tour %1").arg(round));
        operations.doing = "saisie";
        child<QSpinBox>(d, "SpinEdit1")->setValue(first);
        child(d, "Edit9")->setFocus();
        for (int t = first; t <= last; ++t) {
            const std::array<int, 4> v = scores(round, t);
            QStringList typed, lines;
            const SeatedTable seated = tableInRound(app.state(), t, round);
            for (size_t i = 0; i < 4; ++i) {
                typed << QString::number(v[i]);
                lines << seated.seatCodes[i] + QLatin1Char('=') + QString::number(v[i]);
            }
            typeScores(d, typed);
            journal.note(QStringLiteral("score %1 %2 %3").arg(round).arg(t).arg(lines.join(QLatin1Char(' '))));
        }
        child<QPushButton>(d, "BitBtn1")->click();
    });
}

// Table t's scores sent from a phone with its code, as the server takes them; accepted by the
// director when `accept`.
void sendFromTable(Application &app, Journal &journal, int table, bool accept)
{
    operations.doing = "proposition";
    Tournament &state = app.state();
    const int round = state.currentRound();
    const std::array<int, 4> v = scores(round, table);
    tableentry::Submission submission{round, table, {}};
    QStringList lines;
    const SeatedTable seated = tableInRound(state, table, round);
    for (size_t i = 0; i < 4; ++i) {
        submission.scores[i] = QString::number(v[i]);
        lines << seated.seatCodes[i] + QLatin1Char('=') + submission.scores[i];
    }
    const Result<QStringList> codes = tableentry::codesOfRound(state);
    tableentry::CodeLocks locks;
    const Result<QString> received =
        tableentry::receiveSubmission(state, codes.value().value(table - 1), submission, locks, 0);
    if (!codes.ok() || !received.ok() || !received.value().isEmpty())
        return;
    // The line propositions.tmp holds, then the table's score lines once accepted.
    const QString line = QStringLiteral("%1;%2;").arg(round).arg(table) +
                         QStringList(submission.scores.begin(), submission.scores.end()).join(QLatin1Char(';'));
    journal.note(QStringLiteral("propose ") + line + QLatin1Char(' ') + lines.join(QLatin1Char(' ')));
    if (accept && tableentry::acceptSubmission(state, table).ok())
        journal.note(QStringLiteral("score %1 %2 %3").arg(round).arg(table).arg(lines.join(QLatin1Char(' '))));
}

// Picks the entry at index in the dialog's player list; returns its seat code.
QString pickPlayer(QDialog &d, int index)
{
    auto *list = child<QComboBox>(d, "ComboBox1");
    while (list->itemText(index).trimmed().isEmpty()) // the blank first entries
        ++index;
    list->setCurrentIndex(index);
    return entries::seatCodeOfDisplayed(list->currentText());
}

void penalise(Application &app, Journal &journal, int index, int points)
{
    operations.doing = "penalite";
    drive<PenaltyDialog>(app, "&Pénaliser un joueur", [&](PenaltyDialog &d) {
        const QString code = pickPlayer(d, index);
        child<QSpinBox>(d, "SpinEdit1")->setValue(points);
        child<QPushButton>(d, "OKBtn")->click();
        journal.note(QStringLiteral("penal %1=%2").arg(code).arg(points));
    });
}

void exclude(Application &app, Journal &journal, int index)
{
    operations.doing = "exclusion";
    drive<ExclusionDialog>(app, "&Exclure un joueur", [&](ExclusionDialog &d) {
        const QString code = pickPlayer(d, index);
        child<QPushButton>(d, "OKBtn")->click();
        journal.note(QStringLiteral("exclu %1").arg(code));
    });
}

void playEvening(Application &app, Journal &journal, Doubles &doubles, const QString &saveTo)
{
    operations.doing = "nouveau";
    app.mainWindow().firstActivation();
    auto &init = app.window<NewTournamentDialog>();
    drive(init, choosing(app, "Nouveau"), [&init] {
        type(init, "Edit2", QStringLiteral("Salle des fêtes de Saint-Aubin"));
        child<QPushButton>(init, "OKBtn")->click();
    });
    journal.note(QStringLiteral("nouveau"));
    auto &form = app.window<RegisterWindow>();
    operations.doing = "inscription";
    drive(form, choosing(app, "&Inscription"), [&] {
        auto *list = child<QListWidget>(form, "ListBox1");
        const auto add = [&](const QString &surname, const QString &firstName) {
            type(form, "Edit1", surname);
            type(form, "Edit2", firstName);
            child<QPushButton>(form, "Button1")->click();
        };
        const auto select = [&](const QString &entry) { doubleClickRow(list, int(itemsOf(list).indexOf(entry))); };
        // Each change is on disk once its button is pressed: the last one typed misspelt and
        // corrected, then one more player registered and taken off.
        for (const auto &[surname, firstName] : evening) {
            const bool last = surname == evening.last().first;
            add(last ? surname + QStringLiteral("N") : surname, firstName);
            if (last) {
                select(entries::entryToAdd(surname + QStringLiteral("N"), firstName));
                type(form, "Edit1", surname);
                child<QPushButton>(form, "Button3")->click();
            }
            journal.note(QStringLiteral("inscrit ") + entries::entryToAdd(surname, firstName));
        }
        add(QStringLiteral("VOLANT"), QStringLiteral("marcel"));
        select(QStringLiteral("VOLANT Marcel"));
        child<QPushButton>(form, "Button2")->click();
        journal.note(QStringLiteral("desinscrit VOLANT Marcel"));
        child<QPushButton>(form, "CloseBtn")->click();
    });
    journal.note(QStringLiteral("inscrits %1").arg(evening.size()));
    operations.doing = "attribution";
    choose(app, "&Attribuer les positions");
    journal.note(QStringLiteral("positions"));

    playTables(app, journal, 1, 4);
    penalise(app, journal, 5, -150);
    playTables(app, journal, 5, 6);
    playTables(app, journal, 1, 6);
    exclude(app, journal, 9);
    playTables(app, journal, 1, 5);
    sendFromTable(app, journal, 6, true);
    playTables(app, journal, 1, 3);
    sendFromTable(app, journal, 4, false); // still waiting at the end
    penalise(app, journal, 14, -50);
    operations.doing = "enregistrement";
    if (!saveTo.isEmpty()) {
        doubles.fileDialogs.saveAnswers = {saveTo};
        choose(app, "&Enregistrer");
    }
    journal.note(QStringLiteral("fin"));
}

} // namespace

#ifndef _WIN32
namespace {
// The one body of open, open64, openat and openat64: counted when it may create or empty a
// file of the working directory, then passed to the system.
int countedOpen(int dirfd, const char *path, int flags, va_list args)
{
    // The mode is there only when a file may be created.
    const mode_t mode = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
    if (creates(flags) && inWorkingDirectory(path))
        operation((flags & O_TMPFILE) == O_TMPFILE ? "tmpfile" : "open", path);
    return int(syscall(SYS_openat, dirfd, path, flags, mode));
}
} // namespace

// The calls through which Qt reaches the working files, counted, then passed to the system.
extern "C" {

int open(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = countedOpen(AT_FDCWD, path, flags, args);
    va_end(args);
    return fd;
}
int open64(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = countedOpen(AT_FDCWD, path, flags, args);
    va_end(args);
    return fd;
}
int openat(int dirfd, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = countedOpen(dirfd, path, flags, args);
    va_end(args);
    return fd;
}
int openat64(int dirfd, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = countedOpen(dirfd, path, flags, args);
    va_end(args);
    return fd;
}
ssize_t write(int fd, const void *buffer, size_t count)
{
    if (inWorkingDirectory(fd))
        operation("write", fd);
    return syscall(SYS_write, fd, buffer, count);
}
int fsync(int fd)
{
    if (inWorkingDirectory(fd))
        operation("fsync", fd);
    return int(syscall(SYS_fsync, fd));
}
int fdatasync(int fd)
{
    if (inWorkingDirectory(fd))
        operation("fdatasync", fd);
    return int(syscall(SYS_fdatasync, fd));
}
int rename(const char *from, const char *to) noexcept
{
    if (inWorkingDirectory(to))
        operation("rename", to);
    return int(syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
}
int renameat(int fromDir, const char *from, int toDir, const char *to) noexcept
{
    if (inWorkingDirectory(to))
        operation("rename", to);
    return int(syscall(SYS_renameat, fromDir, from, toDir, to));
}
int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags) noexcept
{
    if (inWorkingDirectory(to))
        operation("rename", to);
    return int(syscall(SYS_renameat2, fromDir, from, toDir, to, flags));
}
int link(const char *from, const char *to) noexcept
{
    if (inWorkingDirectory(to) && access(to, F_OK) != 0) // a link to a name taken only fails
        operation("link", to);
    return int(syscall(SYS_linkat, AT_FDCWD, from, AT_FDCWD, to, 0));
}
int linkat(int fromDir, const char *from, int toDir, const char *to, int flags) noexcept
{
    if (inWorkingDirectory(to) && access(to, F_OK) != 0) // a link to a name taken only fails
        operation("link", to);
    return int(syscall(SYS_linkat, fromDir, from, toDir, to, flags));
}
int unlink(const char *path) noexcept
{
    if (inWorkingDirectory(path))
        operation("unlink", path);
    return int(syscall(SYS_unlinkat, AT_FDCWD, path, 0));
}
int unlinkat(int dirfd, const char *path, int flags) noexcept
{
    if (inWorkingDirectory(path))
        operation("unlink", path);
    return int(syscall(SYS_unlinkat, dirfd, path, flags));
}

} // extern "C"

#else

// Windows: Qt reaches the files through kernel32 from Qt6Core.dll, and the program syncs an
// appended line with the C runtime's _commit. Those imports are pointed at counting stand-ins.
namespace {

// Windows spells one path many ways: "\\?\" before it, either slash, any case.
std::wstring normalized(std::wstring path)
{
    if (path.rfind(L"\\\\?\\", 0) == 0)
        path.erase(0, 4);
    for (wchar_t &c : path)
        c = c == L'/' ? L'\\' : wchar_t(towlower(c));
    return path;
}

std::vector<std::wstring> g_directories; // normalized: as given, and as the system resolves it

bool inWorkingDirectory(const wchar_t *path)
{
    if (!path)
        return false;
    const std::wstring p = normalized(path);
    for (const std::wstring &dir : g_directories)
        if (p.size() > dir.size() && p.compare(0, dir.size(), dir) == 0 && p[dir.size()] == L'\\')
            return true;
    return false;
}

std::wstring pathOf(HANDLE file)
{
    if (GetFileType(file) != FILE_TYPE_DISK)
        return {};
    wchar_t path[4096];
    const DWORD n = GetFinalPathNameByHandleW(file, path, 4096, FILE_NAME_NORMALIZED);
    return n > 0 && n < 4096 ? std::wstring(path, n) : std::wstring();
}

void operation(const char *call, const wchar_t *path)
{
    operation(call, QString::fromWCharArray(path).toStdString().c_str());
}

decltype(&CreateFileW) g_createFile;
decltype(&WriteFile) g_writeFile;
decltype(&FlushFileBuffers) g_flush;
decltype(&MoveFileExW) g_moveEx;
decltype(&MoveFileW) g_move;
decltype(&DeleteFileW) g_delete;
int(__cdecl *g_commit)(int);

HANDLE WINAPI countedCreateFile(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                DWORD disposition, DWORD flags, HANDLE model)
{
    if (disposition != OPEN_EXISTING && inWorkingDirectory(path)) // may create or empty it
        operation("open", path);
    return g_createFile(path, access, share, security, disposition, flags, model);
}
BOOL WINAPI countedWriteFile(HANDLE file, LPCVOID buffer, DWORD count, LPDWORD written, LPOVERLAPPED overlapped)
{
    if (const std::wstring path = pathOf(file); inWorkingDirectory(path.c_str()))
        operation("write", path.c_str());
    return g_writeFile(file, buffer, count, written, overlapped);
}
// QSaveFile's commit, before its rename.
BOOL WINAPI countedFlush(HANDLE file)
{
    if (const std::wstring path = pathOf(file); inWorkingDirectory(path.c_str()))
        operation("flush", path.c_str());
    return g_flush(file);
}
BOOL WINAPI countedMoveEx(LPCWSTR from, LPCWSTR to, DWORD flags)
{
    if (inWorkingDirectory(to))
        operation("rename", to);
    return g_moveEx(from, to, flags);
}
BOOL WINAPI countedMove(LPCWSTR from, LPCWSTR to)
{
    if (inWorkingDirectory(to))
        operation("rename", to);
    return g_move(from, to);
}
BOOL WINAPI countedDelete(LPCWSTR path)
{
    if (inWorkingDirectory(path))
        operation("unlink", path);
    return g_delete(path);
}
// The program's own sync of an appended line (Windows' fsync).
int __cdecl countedCommit(int fd)
{
    if (const std::wstring path = pathOf(HANDLE(_get_osfhandle(fd))); inWorkingDirectory(path.c_str()))
        operation("fsync", path.c_str());
    return g_commit(fd);
}

template<class F>
void hook(F &original, const wchar_t *module, const char *function, F replacement)
{
    original = reinterpret_cast<F>(replaceImport(module, function, reinterpret_cast<void *>(replacement)));
    if (!original) {
        std::fprintf(stderr, "scriptedevening: %s is not imported, the operations cannot be counted\n", function);
        std::exit(4);
    }
}

void countOperations(const QString &directory)
{
    g_directories = {
        normalized(QDir::toNativeSeparators(QDir::cleanPath(QDir(directory).absolutePath())).toStdWString()),
        normalized(QDir::toNativeSeparators(QFileInfo(directory).canonicalFilePath()).toStdWString())};
    const wchar_t *qtCore = L"Qt6Core.dll";
    hook(g_createFile, qtCore, "CreateFileW", &countedCreateFile);
    hook(g_writeFile, qtCore, "WriteFile", &countedWriteFile);
    hook(g_flush, qtCore, "FlushFileBuffers", &countedFlush);
    hook(g_moveEx, qtCore, "MoveFileExW", &countedMoveEx);
    hook(g_move, qtCore, "MoveFileW", &countedMove);
    hook(g_delete, qtCore, "DeleteFileW", &countedDelete);
    hook(g_commit, nullptr, "_commit", &countedCommit);
}

} // namespace

#endif

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: scriptedevening <working directory> <journal> [<file.trt>]\n");
        return 2;
    }
#ifdef _WIN32
    countOperations(QCoreApplication::arguments().at(1));
#else
    operations.directory = argv[1];
    if (char *real = realpath(argv[1], nullptr)) {
        operations.real = real;
        std::free(real);
    }
#endif
    if (const char *n = std::getenv("KILL_BEFORE"))
        operations.killBefore = std::atol(n);
    const char *listTo = std::getenv("OPERATIONS");
    operations.listing = listTo != nullptr;

    const QStringList arguments = QCoreApplication::arguments(); // Windows' own spelling of the paths
    Doubles doubles;                                             // every question answered Yes
    doubles.install(arguments[1]);
    Journal journal(arguments[2]);
    const QString saveTo = arguments.value(3);
    Application app;
    QTimer::singleShot(0, [&] {
        playEvening(app, journal, doubles, saveTo);
        QApplication::quit();
    });
    const int status = qapp.exec();
    if (listTo) {
        QFile list(QString::fromLocal8Bit(listTo));
        if (!list.open(QIODevice::WriteOnly))
            return 3;
        for (const std::string &line : operations.listed)
            list.write(QByteArray::fromStdString(line) + '\n');
    }
    return status;
}
