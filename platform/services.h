#pragma once
// The operating-system services the program uses, as small interfaces. Each has a Win32
// implementation in platform/win32/ and a double in tests/support/.
#include "platform/file_dialogs.h"
#include "platform/icon.h"

#include <optional>
#include <string>
#include <vector>

class RegistryStore;
class TApplication;
class TForm;

// Message box flags and answers, with their Windows values (named apart from the Windows
// macros, which would replace them).
namespace mb {
inline constexpr unsigned Ok = 0x00, YesNoCancel = 0x03, YesNo = 0x04;
inline constexpr unsigned IconError = 0x10, IconQuestion = 0x20, IconExclamation = 0x30,
                          IconInformation = 0x40;
inline constexpr int IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7;
} // namespace mb

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal box over `owner` (or over the active window when null); returns the answer.
    virtual int Show(TForm* owner, const std::string& text, const std::string& caption,
                     unsigned flags) = 0;
};

// Files by their Windows-1250 names. Names are used as written; a bare name is relative to
// the current directory.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool FileExists(const std::string& name) = 0;
    // The whole content, or nothing when the file cannot be opened.
    virtual std::optional<std::string> ReadFile(const std::string& name) = 0;
    // Writes to a temporary file beside `name` and renames it over `name`; false when the
    // file cannot be created or written, and then `name` is as it was.
    virtual bool ReplaceContent(const std::string& name, const std::string& content) = 0;
    virtual bool RemoveFile(const std::string& name) = 0;
    // Names (without folder) of the files matching a pattern such as "C:\dir\*.svl" that are
    // neither folders nor system files. A name that Windows-1250 cannot spell exactly is left
    // out, since the program could not open that file again by the name it would get.
    virtual std::vector<std::string> FindFiles(const std::string& pattern) = 0;
    // Whether a new file can be created in a folder (such as "C:\dir\").
    virtual bool FolderIsWritable(const std::string& folder) = 0;
    // Creates a folder with the folders above it that are missing; true when it is there
    // afterwards.
    virtual bool CreateFolder(const std::string& folder) = 0;
    // The folder Windows is installed in, such as "C:\WINDOWS" (no final backslash).
    virtual std::string WindowsDirectory() = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // The shell's "open" verb on a document or address; the result is not reported.
    virtual void Open(TForm* owner, const std::string& file) = 0;
    // Tells the shell that the pictures of its icons have changed, and waits until it has
    // taken the notice.
    virtual void NotifyImagesChanged() = 0;
    // The same for the file associations, and with them the classes' icons.
    virtual void NotifyAssociationsChanged() = 0;
    // Tells every top-level window that the window metrics changed, and waits until each has
    // taken the notice (up to 10 s a window; a hung window is passed over at once).
    virtual void BroadcastWindowMetricsChanged() = 0;
};

// The icons of a file: an icon file, a program or a library. A bare file name is looked
// for along the system's search path. A negative index names an icon resource by its
// identifier.
class Icons {
public:
    virtual ~Icons() = default;
    virtual TIcon ApplicationIcon() = 0;
    // How many icons the file holds; 0 for a folder, a missing file or one of another kind.
    virtual int Count(const std::string& file) = 0;
    // Icon `index` of the file; an empty icon when it has none there.
    virtual TIcon Extract(const std::string& file, int index) = 0;
    // Icons first to first + count - 1 (first >= 0), in order, at the cost of far fewer
    // reads than one Extract each; the list ends early at the first icon the file lacks.
    virtual std::vector<TIcon> ExtractRun(const std::string& file, int first, int count) = 0;
};

// Other programs, started from a command line.
class Processes {
public:
    virtual ~Processes() = default;
    // Starts the program a command line names, the line passed exactly as given (no quotes
    // added, no variables expanded), and returns at once: the program neither waits for it
    // nor inherits its handles, and a start that fails is not reported.
    virtual void Start(const std::u16string& commandLine) = 0;
};

// Windows for the forms and the event loop.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Gives a freshly loaded form and all its controls their windows (hidden).
    virtual void CreateViews(TForm& form) = 0;
    // Runs the event loop until the application is terminated.
    virtual void Run(TApplication& application) = 0;
    // Ends the event loop.
    virtual void Quit() = 0;
};

// Files by their UTF-16 names, for the folders Windows names for the user: their names may
// hold any script (a user name in Cyrillic, say), which Windows-1250 cannot.
class UnicodeFileSystem {
public:
    virtual ~UnicodeFileSystem() = default;
    // Creates the folder and any missing parents; true when it is there as a folder.
    virtual bool CreateFolder(const std::u16string& path) = 0;
    // Writes a file that does not exist yet, whole or not at all; false when the name is
    // taken (the file there is left as it is) or the file cannot be written.
    virtual bool CreateNewFile(const std::u16string& name, const std::string& content) = 0;
    // Names (without folder) of the files matching a pattern such as u"C:\dir\*.reg".
    virtual std::vector<std::u16string> FindFiles(const std::u16string& pattern) = 0;
    virtual bool RemoveFile(const std::u16string& name) = 0;
};

// The folders Windows keeps for the user.
class Folders {
public:
    virtual ~Folders() = default;
    // %APPDATA%, the user's roaming application data, as a full Windows-1250 path ending in
    // a backslash; "" when Windows names none or names one that Windows-1250 cannot spell
    // exactly (the index file's name is Windows-1250 text).
    virtual std::string ApplicationData() = 0;
    // %LOCALAPPDATA%, the user's data that stays on this machine, as a full UTF-16 path
    // without a final backslash; empty when Windows names none.
    virtual std::u16string LocalApplicationData() = 0;
};

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The date and time of the user's time zone.
    virtual LocalTime Now() = 0;
};

struct Platform {
    RegistryStore& registry;
    MessageBoxes& messageBoxes;
    FileSystem& files;
    Shell& shell;
    Icons& icons;
    WindowSystem& windows;
    Processes& processes;
    FileDialogs& fileDialogs;
    Folders& folders;
    UnicodeFileSystem& unicodeFiles;
    Clock& clock;
    std::string exeName;
};
