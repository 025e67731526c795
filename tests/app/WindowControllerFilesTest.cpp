// The document's file under faults: writes that fail, prompts, files that did
// not read whole, other programs and other running instances.

#include "app/Application.h"
#include "app/WindowController.h"
#include "document/Document.h"
#include "editor/ViewController.h"
#include "model/Graph.h"
#include "platform/AtomicFile.h"
#include "platform/MainQueue.h"
#include "platform/RgbaImage.h"
#include "platform/UndoManager.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"
#include "support/Waiting.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace ornival {
namespace {

namespace fs = std::filesystem;

const std::string settingsLines =
    "shapeColor: FFFFFFFF\nshapeFactor: 1.0\nshapeRadiusLimit: 1.0\nborderColor: 000000FF,FFFFFFFF,000000FF\n"
    "borderWidth: 2.0,0.0,0.0\nborderFactor: 1.0\nborderRadiusLimit: 1.0\nbackgroundColor: 3A5A8CFF\n"
    "scale: 20.0\nrotation: 0.0\ncrossings: 0\ndisplayMode: 2\nmetalness: 0.5\nroughness: 0.5\n"
    "lightAngle: 0.0,0.0,0.0\nambientColor: 999999FF\nsurfaceZscale: 1.0\nsurfaceRoundness: 1.0\n"
    "ripple: 0.0\nrippleScale: 0.0\n";
const std::string twoSquares =
    "Ornival 0.2\n\ncolors:\nFF0000FF\nFFFFFFFF\n\nshapes:\n7,1\n0,1,7,3,0,0,0,0,0,2\n\n" + settingsLines;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string reason(int error) { return std::system_category().message(error); }

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The system's calls, with writes failing for as long as failure is set.
struct SwitchableCalls : FileCalls {
  mutable std::atomic<int> failure{0};
  ssize_t write(int fd, const void* data, std::size_t size) const override {
    if (const int error = failure.load()) {
      errno = error;
      return -1;
    }
    return FileCalls::write(fd, data, size);
  }
};

class FileSafety : public ::testing::Test {
protected:
  void SetUp() override {
    testing::qtApplication();
    QCoreApplication::setOrganizationName("OrnivalTests");
    QCoreApplication::setApplicationName(QStringLiteral("OrnivalFileTests-%1").arg(::getpid()));
    setMainQueue(mainQueue);
    fs::create_directories(folder / "examples");
    application = makeApplication();
  }
  void TearDown() override {
    application.reset();
    mainQueue->drain();
  }
  std::unique_ptr<Application> makeApplication() {
    auto made = std::make_unique<Application>(
        Application::Options{folder / "examples", folder / "autosave", 50, &calls});
    made->presentError = [this](const std::string& message) { errors.push_back(message); };
    made->askToSave = [this](const std::string&) { return askToSave ? askToSave() : Application::SaveAnswer::cancel; };
    made->chooseSaveFile = [this](const fs::path& suggested) {
      suggestions.push_back(suggested);
      return saveTarget;
    };
    made->chooseSnapshotFile = [this](const fs::path& suggested) -> std::optional<fs::path> {
      suggestions.push_back(suggested);
      return folder / "Snapshot.png";
    };
    made->askAboutOutsideChange = [this](const std::string& name) {
      changedAsked.push_back(name);
      return changedAnswer;
    };
    made->askToSaveOverIncomplete = [this](const std::string& notice) {
      incompleteAsked.push_back(notice);
      return incompleteAnswer;
    };
    made->askToReopen = [this](int count) {
      reopenAsked.push_back(count);
      return reopenAnswer;
    };
    return made;
  }
  fs::path write(const std::string& name, const std::string& text) {
    std::ofstream(folder / name, std::ios::binary) << text;
    return folder / name;
  }
  // One user event: an undoable change of a setting.
  static void edit(WindowController& window, double width) {
    window.performEvent([&] { window.document()->setBorderWidth(width); });
  }

  SwitchableCalls calls;
  std::shared_ptr<ManualMainQueue> mainQueue = ManualMainQueue::create();
  testing::TemporaryFolder folder{"ornival-files"};
  std::unique_ptr<Application> application;
  std::vector<std::string> errors;
  std::function<Application::SaveAnswer()> askToSave;
  std::optional<fs::path> saveTarget;
  std::vector<fs::path> suggestions;
  std::vector<std::string> changedAsked;
  Application::ChangedAnswer changedAnswer = Application::ChangedAnswer::cancel;
  std::vector<std::string> incompleteAsked;
  Application::IncompleteAnswer incompleteAnswer = Application::IncompleteAnswer::cancel;
  std::vector<int> reopenAsked;
  bool reopenAnswer = true;
};

// A full disk: the save on purpose says so in a dialog, autosave in the
// window's message bar, once and again only when the reason changes; the
// file stays as it was and the window keeps the edits.
TEST_F(FileSafety, AWriteThatFailsKeepsTheEditsAndSaysWhyOnce) {
  const auto file = write("squares.ornival", twoSquares);
  WindowController* window = application->openFile(file);
  ASSERT_NE(window, nullptr);
  edit(*window, 5.0);
  calls.failure = ENOSPC;

  EXPECT_FALSE(window->save());
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "“squares.ornival” could not be saved: " + reason(ENOSPC) + ".");
  EXPECT_TRUE(window->isEdited());
  EXPECT_EQ(contents(file), twoSquares);

  window->autosave();

  window->finishWriting();
  EXPECT_EQ(errors.size(), 1u) << "no dialog for autosave";
  const std::string shown = window->message();
  EXPECT_TRUE(has(shown, "squares.ornival") && has(shown, reason(ENOSPC))) << shown;
  edit(*window, 6.0);
  window->autosave();
  window->finishWriting();
  EXPECT_EQ(window->message(), shown);
  calls.failure = EIO;
  edit(*window, 7.0);
  window->autosave();
  window->finishWriting();
  EXPECT_TRUE(has(window->message(), reason(EIO))) << window->message();
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_EQ(contents(file), twoSquares);
  EXPECT_TRUE(window->isEdited());

  calls.failure = 0;
  edit(*window, 8.0);
  window->autosave();
  window->finishWriting();
  EXPECT_EQ(window->message(), "");
  EXPECT_FALSE(window->isEdited());
  EXPECT_TRUE(has(contents(file), "borderWidth: 8.0"));

  // An untitled document and a snapshot alike.
  WindowController* untitled = application->newDocument();
  edit(*untitled, 3.0);
  calls.failure = ENOSPC;
  untitled->autosave();
  untitled->finishWriting();
  EXPECT_TRUE(has(untitled->message(), reason(ENOSPC))) << untitled->message();
  EXPECT_EQ(errors.size(), 1u);
  auto picture = std::make_shared<RgbaImage>(4, 4);
  untitled->offerSaveSnapshot(picture);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[1], "The snapshot “Snapshot.png” could not be saved: " + reason(ENOSPC) + ".");
  EXPECT_FALSE(fs::exists(folder / "Snapshot.png"));
  calls.failure = 0;
  untitled->setEdited(false);
}

// Revert from the File menu runs inside the action's undo group, which
// belongs to the manager the revert replaces.
TEST_F(FileSafety, RevertThroughTheMenuActionAfterAnEditKeepsTheProgramRunning) {
  WindowController* window = application->openFile(write("squares.ornival", twoSquares));
  ASSERT_NE(window, nullptr);
  edit(*window, 5.0);
  ASSERT_TRUE(window->send({"revertDocumentToSaved", 0, {}}));
  EXPECT_EQ(window->document()->borderWidth(), 2.0);
  EXPECT_FALSE(window->isEdited());
  EXPECT_EQ(window->undoManager()->groupingLevel(), 0);
}

// Autosave writes edits over the file; the version as opened is kept in the
// program's own folder, and Revert and Discard put it back. Nothing is
// written while the close prompt is open.
TEST_F(FileSafety, DiscardAndRevertPutTheFileBackAsOpenedAndNothingIsWrittenUnderThePrompt) {
  const auto file = write("squares.ornival", twoSquares);
  WindowController* window = application->openFile(file);
  ASSERT_NE(window, nullptr);
  edit(*window, 4.0);
  window->autosave();
  window->finishWriting();
  ASSERT_TRUE(has(contents(file), "borderWidth: 4.0"));
  EXPECT_FALSE(window->isEdited());
  ASSERT_TRUE(window->keptCopy().has_value());
  const fs::path kept = *window->keptCopy();
  EXPECT_EQ(contents(kept), twoSquares);
  EXPECT_NE(kept.parent_path(), folder) << "never beside the user's file";
  EXPECT_TRUE(window->router().validate({"revertDocumentToSaved", 0, {}}));

  EXPECT_EQ(window->revert(), "");
  EXPECT_EQ(contents(file), twoSquares);
  EXPECT_FALSE(fs::exists(kept));
  EXPECT_FALSE(window->router().validate({"revertDocumentToSaved", 0, {}}));

  edit(*window, 4.0);
  window->autosave();
  window->finishWriting();
  ASSERT_TRUE(window->keptCopy().has_value());
  const fs::path keptAgain = *window->keptCopy();
  edit(*window, 7.0);
  askToSave = [&] {
    // The autosave timer runs out while the user reads the prompt.
    window->autosave();
    window->finishWriting();
    EXPECT_TRUE(has(contents(file), "borderWidth: 4.0"));
    return Application::SaveAnswer::discard;
  };
  EXPECT_TRUE(window->window()->close());
  EXPECT_TRUE(application->windows().empty());
  EXPECT_EQ(contents(file), twoSquares);
  EXPECT_FALSE(fs::exists(keptAgain)) << "a clean close lets go of the copy";
}

// A save on purpose is what Revert goes back to from then on.
TEST_F(FileSafety, RevertGoesBackToTheLastSaveOnPurpose) {
  const auto file = write("squares.ornival", twoSquares);
  WindowController* window = application->openFile(file);
  ASSERT_NE(window, nullptr);
  edit(*window, 4.0);
  ASSERT_TRUE(window->save());
  const std::string saved = contents(file);
  edit(*window, 6.0);
  window->autosave();
  window->finishWriting();
  ASSERT_TRUE(has(contents(file), "borderWidth: 6.0"));
  EXPECT_EQ(window->revert(), "");
  EXPECT_EQ(contents(file), saved);
  EXPECT_EQ(window->document()->borderWidth(), 4.0);
}

// Six squares in a column; the fourth line is cut short, or names a tile
// that is not there. Only the first three are read either way.
TEST_F(FileSafety, AFileThatDidNotReadWholeSaysSoAndIsNeverWrittenOverUnasked) {
  for (const std::string broken : {"2,2,x", "9,2,7,0"}) {
    SCOPED_TRACE(broken);
    const std::string text = "Ornival 0.2\n\nshapes:\n7,1\n0,2,7,0\n1,2,7,0\n" + broken +
                             "\n3,2,7,0\n4,2,7,0\n\n" + settingsLines;
    const auto file = write("column.ornival", text);
    WindowController* window = application->openFile(file);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->editor()->graph().shapes().size(), 3u);
    EXPECT_TRUE(has(window->message(), "Only 3 of the 6 tiles in “column.ornival” could be read"))
        << window->message();

    edit(*window, 5.0);
    window->autosave();
    window->finishWriting();
    EXPECT_EQ(contents(file), text);
    incompleteAsked.clear();
    incompleteAnswer = Application::IncompleteAnswer::cancel;
    EXPECT_FALSE(window->save());
    EXPECT_EQ(incompleteAsked.size(), 1u);
    EXPECT_EQ(contents(file), text);
    incompleteAnswer = Application::IncompleteAnswer::save;
    EXPECT_TRUE(window->save());
    EXPECT_TRUE(has(contents(file), "borderWidth: 5.0"));
    EXPECT_EQ(window->message(), "");
    EXPECT_EQ(incompleteAsked.size(), 2u);
    window->window()->close();
  }
}

// Another program writes the file: autosave stops for the window and asks
// once; Save asks again; the answer decides.
TEST_F(FileSafety, AChangeByAnotherProgramIsNeverWrittenOverUnasked) {
  const auto file = write("squares.ornival", twoSquares);
  WindowController* window = application->openFile(file);
  ASSERT_NE(window, nullptr);
  const std::string theirs = twoSquares + "title: theirs\n";
  write("squares.ornival", theirs);

  edit(*window, 5.0);
  window->autosave();
  window->finishWriting();
  EXPECT_EQ(changedAsked, std::vector<std::string>{"squares.ornival"});
  EXPECT_EQ(contents(file), theirs);
  EXPECT_TRUE(has(window->message(), "changed by another program")) << window->message();
  edit(*window, 6.0);
  window->autosave();
  window->finishWriting();
  EXPECT_EQ(changedAsked.size(), 1u) << "autosave stopped: asked once";
  EXPECT_EQ(contents(file), theirs);

  changedAnswer = Application::ChangedAnswer::overwrite;
  EXPECT_TRUE(window->save());
  EXPECT_EQ(changedAsked.size(), 2u);
  EXPECT_TRUE(has(contents(file), "borderWidth: 6.0"));
  EXPECT_EQ(window->message(), "");
  edit(*window, 7.0);
  window->autosave();
  window->finishWriting();
  EXPECT_TRUE(has(contents(file), "borderWidth: 7.0"));
  EXPECT_EQ(changedAsked.size(), 2u);

  // Taken back: the window shows the other program's version.
  write("squares.ornival", twoSquares);
  edit(*window, 9.0);
  changedAnswer = Application::ChangedAnswer::reload;
  EXPECT_FALSE(window->save());
  EXPECT_EQ(window->document()->borderWidth(), 2.0);
  EXPECT_FALSE(window->isEdited());
  EXPECT_EQ(contents(file), twoSquares);
}

// Fails the whole run, saying what hung, when body does not come back in time.
template <class Body>
void withinSeconds(int seconds, const char* what, Body body) {
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
  std::thread watchdog([&] {
    std::unique_lock lock(mutex);
    if (!done.wait_for(lock, std::chrono::seconds(seconds), [&] { return finished; })) {
      std::fprintf(stderr, "%s did not come back within %d s\n", what, seconds);
      std::_Exit(1);
    }
  });
  body();
  {
    std::lock_guard lock(mutex);
    finished = true;
  }
  done.notify_one();
  watchdog.join();
}

TEST_F(FileSafety, OpeningRefusesWhatIsNoRegularFileWithoutWaitingAndSaysWhy) {
  ASSERT_EQ(::mkfifo((folder / "pipe.ornival").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", folder / "zero.ornival");
  fs::create_directories(folder / "folder.ornival");
  fs::create_symlink("loop-b.ornival", folder / "loop-a.ornival");
  fs::create_symlink("loop-a.ornival", folder / "loop-b.ornival");
  // Larger than any document by one byte, without taking the disk.
  write("huge.ornival", "Ornival 0.2\n");
  fs::resize_file(folder / "huge.ornival", (std::uintmax_t(64) << 20) + 1);
  const std::string notAFile = "could not be opened: it is not a file but a device, a pipe or a socket.";
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"pipe.ornival", "“pipe.ornival” " + notAFile},
      {"zero.ornival", "“zero.ornival” " + notAFile},
      {"folder.ornival", "“folder.ornival” could not be opened: " + reason(EISDIR) + "."},
      {"loop-a.ornival", "“loop-a.ornival” could not be opened: " + reason(ELOOP) + "."},
      {"missing.ornival", "“missing.ornival” could not be opened: " + reason(ENOENT) + "."},
      {"huge.ornival", "“huge.ornival” could not be opened: it is larger than 64 MB, far more than any Ornival "
                       "document."},
  };
  withinSeconds(10, "opening a pipe or /dev/zero", [&] {
    for (const auto& [name, message] : expected)
      EXPECT_EQ(application->openFile(folder / name), nullptr) << name;
  });
  ASSERT_EQ(errors.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k)
    EXPECT_EQ(errors[k], expected[k].second);
  EXPECT_TRUE(application->windows().empty());
}

TEST_F(FileSafety, SaveAsStartsBesideTheFileOrAmongTheUsersDocuments) {
  WindowController* untitled = application->newDocument();
  saveTarget.reset();
  EXPECT_FALSE(untitled->saveAs());
  ASSERT_EQ(suggestions.size(), 1u);
  EXPECT_EQ(suggestions[0], application->documentsFolder() / "Untitled");
  EXPECT_EQ(application->documentsFolder().string(),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());

  fs::create_directories(folder / "work");
  WindowController* titled = application->openFile(write("work/squares.ornival", twoSquares));
  ASSERT_NE(titled, nullptr);
  EXPECT_FALSE(titled->saveAs());
  ASSERT_EQ(suggestions.size(), 2u);
  EXPECT_EQ(suggestions[1], folder / "work" / "squares.ornival");
  titled->offerSaveSnapshot(std::make_shared<RgbaImage>(2, 2));
  ASSERT_EQ(suggestions.size(), 3u);
  EXPECT_EQ(suggestions[2], folder / "work" / "Snapshot.png");
  EXPECT_TRUE(fs::exists(folder / "Snapshot.png"));
}

// What programs that ended left behind: a document is offered, and removed
// when declined; an empty file and one that is no document go unasked.
TEST_F(FileSafety, LeftoversAreOfferedOnceAndRemovedWhenDeclinedOrUseless) {
  const fs::path ended = folder / "autosave" / "ended-instance";
  fs::create_directories(ended / "Kept");
  std::ofstream(ended / "a.ornival") << twoSquares;
  std::ofstream(ended / "empty.ornival");
  std::ofstream(ended / "junk.ornival") << "\x89PNG";
  std::ofstream(folder / "autosave" / "older.ornival");
  // Writes that were under way when that program ended.
  std::ofstream(ended / ".a.ornival.Zq81xW") << "Ornival 0.2\n\nsha";
  std::ofstream(ended / "Kept" / ".Kept-a.ornival.k2P0aa") << "Orni";
  reopenAnswer = false;
  EXPECT_EQ(application->reopenUntitledAutosaves(), 0);
  EXPECT_EQ(reopenAsked, std::vector<int>{1});
  EXPECT_FALSE(fs::exists(ended));
  EXPECT_TRUE(fs::is_empty(folder / "autosave"));
  EXPECT_EQ(application->reopenUntitledAutosaves(), 0);
  EXPECT_EQ(reopenAsked.size(), 1u) << "nothing left to offer";
}

// Taking over a document from a program that ended clears the writes it had
// under way, and only those: a file of any other name stays where it was.
TEST_F(FileSafety, TakingOverWhatAProgramLeftClearsItsUnfinishedWritesOnly) {
  const fs::path ended = folder / "autosave" / "ended-instance";
  fs::create_directories(ended / "Kept");
  std::ofstream(ended / "a.ornival") << twoSquares;
  std::ofstream(ended / ".a.ornival.Zq81xW") << "Ornival 0.2\n\nsha";
  std::ofstream(ended / "Kept" / ".Kept-a.ornival.k2P0aa") << "Orni";
  std::ofstream(ended / "notes.txt") << "mine";
  std::ofstream(ended / ".notes.ABC123~") << "mine too";
  reopenAnswer = true;
  EXPECT_EQ(application->reopenUntitledAutosaves(), 1);
  std::vector<std::string> left;
  for (const auto& entry : fs::recursive_directory_iterator(ended))
    left.push_back(fs::relative(entry.path(), ended).string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{".notes.ABC123~", "notes.txt"}));
}

// Run by the test below in a process of its own: a second program that keeps
// an untitled document until it is killed.
TEST(Instances, DISABLED_KeepsAnUntitledDocumentUntilKilled) {
  const char* ready = std::getenv("ORNIVAL_INSTANCE_READY");
  if (!ready)
    GTEST_SKIP() << "runs as the other program of ASecondInstanceLeavesTheFirstsWorkAlone";
  testing::qtApplication();
  QCoreApplication::setOrganizationName("OrnivalTests");
  QCoreApplication::setApplicationName("OrnivalInstanceTests");
  setMainQueue(ManualMainQueue::create());
  Application program({{}, defaultAutosaveFolder(), 50});
  WindowController* window = program.newDocument();
  window->performEvent([&] { window->document()->setBorderWidth(9.0); });
  window->autosave();
  window->finishWriting();
  ASSERT_TRUE(window->untitledAutosave().has_value());
  // The edit's own autosave still to come would be writing when the test
  // kills this program, and leave its half-written file behind: it is
  // waited out first, so that the program is killed while merely holding
  // its document.
  ASSERT_TRUE(testing::waitFor([&] { return !window->isAutosavePending(); }));
  std::ofstream(std::string(ready) + ".part") << window->untitledAutosave()->string();
  fs::rename(std::string(ready) + ".part", ready);
  for (int waited = 0; waited < 600; ++waited)
    QTest::qWait(100);
}

TEST_F(FileSafety, ASecondInstanceLeavesTheFirstsWorkAloneUntilItHasEnded) {
  const fs::path home = folder / "home";
  fs::create_directories(home);
  const std::string data = (home / ".local" / "share").string();
  const QByteArray previousData = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data));
  const QString previousName = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName("OrnivalInstanceTests");
  const fs::path ready = folder / "ready";

  std::vector<std::string> arguments = {fs::read_symlink("/proc/self/exe").string(), "--gtest_also_run_disabled_tests",
                                        "--gtest_filter=Instances.DISABLED_KeepsAnUntitledDocumentUntilKilled"};
  std::vector<std::string> environment = {"HOME=" + home.string(), "XDG_DATA_HOME=" + data,
                                          "ORNIVAL_INSTANCE_READY=" + ready.string(), "QT_QPA_PLATFORM=offscreen"};
  const std::size_t own = environment.size();
  for (char** entry = environ; *entry; ++entry) {
    const std::string inherited = *entry;
    const std::string name = inherited.substr(0, inherited.find('=') + 1);
    if (std::none_of(environment.begin(), environment.begin() + std::ptrdiff_t(own),
                     [&](const std::string& set) { return set.starts_with(name); }))
      environment.push_back(inherited);
  }
  std::vector<char*> argv, envp;
  for (auto& argument : arguments)
    argv.push_back(argument.data());
  argv.push_back(nullptr);
  for (auto& entry : environment)
    envp.push_back(entry.data());
  envp.push_back(nullptr);
  pid_t first = 0;
  ASSERT_EQ(::posix_spawn(&first, argv[0], nullptr, nullptr, argv.data(), envp.data()), 0);
  // Ended by its id however the test ends.
  struct Reaper {
    pid_t& pid;
    ~Reaper() {
      if (pid > 0 && ::kill(pid, SIGKILL) == 0)
        ::waitpid(pid, nullptr, 0);
    }
  } reaper{first};
  int status = 0;
  const bool started = testing::waitFor([&] { return fs::exists(ready) || ::waitpid(first, &status, WNOHANG) != 0; });
  if (!started || !fs::exists(ready))
    FAIL() << "the first program did not keep its document";
  const fs::path kept = contents(ready);
  ASSERT_TRUE(fs::exists(kept));

  // The first still runs: its document is neither offered nor touched.
  {
    Application second({folder / "examples", defaultAutosaveFolder(), 50});
    second.askToReopen = [this](int count) {
      reopenAsked.push_back(count);
      return false;
    };
    EXPECT_EQ(second.reopenUntitledAutosaves(), 0);
    EXPECT_TRUE(reopenAsked.empty());
    EXPECT_TRUE(fs::exists(kept));
  }

  // Once it has ended without closing the window, its document is offered
  // and taken over.
  ::kill(first, SIGKILL);
  ::waitpid(first, &status, 0);
  first = 0;
  {
    Application third({folder / "examples", defaultAutosaveFolder(), 50});
    third.askToReopen = [this](int count) {
      reopenAsked.push_back(count);
      return true;
    };
    EXPECT_EQ(third.reopenUntitledAutosaves(), 1);
    EXPECT_EQ(reopenAsked, std::vector<int>{1});
    ASSERT_EQ(third.windows().size(), 1u);
    EXPECT_EQ(third.windows()[0]->document()->borderWidth(), 9.0);
    EXPECT_FALSE(fs::exists(kept));
    std::string left;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(kept.parent_path(), ignored))
      left += entry.path().filename().string() + " ";
    EXPECT_FALSE(fs::exists(kept.parent_path())) << left;
    third.windows()[0]->setEdited(false);
    third.windows()[0]->window()->close();
  }
  qputenv("XDG_DATA_HOME", previousData);
  if (previousData.isEmpty())
    qunsetenv("XDG_DATA_HOME");
  QCoreApplication::setApplicationName(previousName);
}

}  // namespace
}  // namespace ornival
