// The real settings dialog of Vantrel.scr, driven with mouse input under
// Wine. Every test starts from a settings file it writes itself and reads
// the file's raw bytes afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/dialog/wine_dialog_driver.h"
#include "tests/host/audio_capture.h"

namespace vantrel::test {
namespace {

// Keys and values as the settings file holds them: code page 932 bytes.
const std::string kKeyKind = "BGM\x8b\xe6\x95\xaa";       // BGM区分
const std::string kKeyTrack = "BGM\xd8\xcb\xdf\xb0\xc4";  // BGMﾘﾋﾟｰﾄ
const std::string kKeyFile = "BGM\xcc\xa7\xb2\xd9";       // BGMﾌｧｲﾙ
const wchar_t kChooserTitle[] = L"\xFF8C\xFF67\xFF72\xFF99\x3092\x958B\x304F";  // ﾌｧｲﾙを開く

std::string musicSection(const std::string& kind, const std::string& track,
                         const std::string& file) {
  return "[Section]\r\n" + kKeyKind + "=" + kind + "\r\n" + kKeyTrack + "=" + track + "\r\n" +
         kKeyFile + "=" + file + "\r\n";
}

// A small file the settings can name; its folder is returned in folder.
std::string makeSoundFile(const std::string& name) {
  CreateDirectoryA("C:\\orlek_temp", nullptr);
  CreateDirectoryA("C:\\orlek_temp\\dialog_test", nullptr);
  const std::string path = "C:\\orlek_temp\\dialog_test\\" + name;
  writeFileBytes(path, "RIFF");
  return path;
}

bool isBlue(COLORREF c) { return GetBValue(c) > 150 && GetRValue(c) < 100; }
bool isWhite(COLORREF c) { return GetRValue(c) > 220 && GetGValue(c) > 220 && GetBValue(c) > 220; }

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateDirectoryA("C:\\orlek_temp", nullptr);
    ASSERT_EQ(GetFileAttributesW(programPath().c_str()) == INVALID_FILE_ATTRIBUTES, false)
        << "Vantrel.scr must stand beside the test";
    ASSERT_EQ(FindWindowW(nullptr, kDialogTitle), nullptr) << "a dialog is left open";
  }

  // Starts "/c" over settings and waits for the dialog.
  static HWND open(Program& program, const std::string& settings) {
    writeFileBytes(kIniPath, settings);
    if (!program.start(programPath(), L"/c")) return nullptr;
    HWND dialog = waitForTopWindow(kDialogTitle, 15000);
    // Let the load finish and the zoom pass before input arrives.
    Sleep(500);
    return dialog;
  }
};

TEST_F(DialogTest, OpensWithItsTitleSizeListAndBanner) {
  Program program;
  HWND dialog = open(program, musicSection(" 1", " 12", ""));
  ASSERT_NE(dialog, nullptr);
  const DWORD opened = GetTickCount();  // about 0.5 s into the banner's cycle

  RECT client;
  GetClientRect(dialog, &client);
  HDC screen = GetDC(nullptr);
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(client.right, MulDiv(7470, dpiX, 1440));
  EXPECT_EQ(client.bottom, MulDiv(3975, dpiY, 1440));
  const LONG style = GetWindowLongW(dialog, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  HWND combo = findControl(dialog, "BGM_Repeat");
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(windowText(combo), L"12");
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 31);
  EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXTLEN, 0, 0), 0);
  wchar_t item[8] = {};
  SendMessageW(combo, CB_GETLBTEXT, 30, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L"30");

  EXPECT_TRUE(saveScreenshot("dialog"));

  // The first left-hand run: the left box animates, the right stays black
  // until it has finished (2.4 s), then takes its turn.
  HWND left = findControl(dialog, "Pic_m", 0);
  HWND right = findControl(dialog, "Pic_m", 1);
  ASSERT_NE(left, nullptr);
  ASSERT_NE(right, nullptr);
  EXPECT_TRUE(anyLitPixel(left));
  // Only while surely inside the first left-hand run (a loaded machine may
  // have taken longer to get here).
  if (GetTickCount() - opened < 1500) {
    EXPECT_FALSE(anyLitPixel(right));
  }
  EXPECT_TRUE(saveScreenshot("banner"));
  EXPECT_TRUE(waitFor([&] { return anyLitPixel(right); }, 4000));

  // A second start while the dialog is open ends at once.
  Program second;
  ASSERT_TRUE(second.start(programPath(), L"/c"));
  EXPECT_TRUE(second.waitForExit(10000));

  const std::string before = readFileBytes(kIniPath);
  click(findControl(dialog, "Cmd_Can"));
  EXPECT_TRUE(program.waitForExit(10000));
  EXPECT_EQ(readFileBytes(kIniPath), before);
}

TEST_F(DialogTest, KindClicksEnableExactlyTheirControls) {
  Program program;
  HWND dialog = open(program, musicSection(" 0", " 0", ""));
  ASSERT_NE(dialog, nullptr);
  HWND combo = findControl(dialog, "BGM_Repeat");
  HWND fileButton = findControl(dialog, "Cmd_File");
  ASSERT_NE(combo, nullptr);
  ASSERT_NE(fileButton, nullptr);
  EXPECT_EQ(windowText(combo), L"");
  EXPECT_FALSE(IsWindowEnabled(combo));
  EXPECT_FALSE(IsWindowEnabled(fileButton));

  struct Case {
    const char* control;
    int kind;
    bool right;
  };
  const Case cases[] = {{"lbl_BGM", 2, false}, {"Img_BGM", 1, true},  {"lbl_BGM", 0, true},
                        {"Img_BGM", 2, true},  {"lbl_BGM", 1, false}, {"Img_BGM", 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.control) + "(" + std::to_string(c.kind) + ")" +
                 (c.right ? " right" : " left"));
    click(findControl(dialog, c.control, c.kind), c.right);
    // Only the clicked kind's mark is filled; marks repaint after the click.
    const auto marksShowKind = [&] {
      for (int i = 0; i < 3; ++i) {
        const COLORREF mark = clientPixel(findControl(dialog, "Img_BGM", i), 6, 6);
        if (i == c.kind ? !isBlue(mark) : !isWhite(mark)) return false;
      }
      return true;
    };
    EXPECT_TRUE(waitFor(marksShowKind, 5000));
    EXPECT_EQ(IsWindowEnabled(combo) != 0, c.kind == 1);
    EXPECT_EQ(IsWindowEnabled(fileButton) != 0, c.kind == 2);
  }
  // The close box writes nothing, whatever was clicked.
  const std::string before = readFileBytes(kIniPath);
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.waitForExit(10000));
  EXPECT_EQ(readFileBytes(kIniPath), before);
}

// The dialog's thread's keyboard focus, seen from this process.
HWND focusOf(HWND dialog) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

void pressKey(WORD key) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
  Sleep(200);
}

TEST_F(DialogTest, TabMovesTheFocusAndEnterPressesTheFocusedButton) {
  Program program;
  const std::string settings = musicSection(" 0", " 0", "");
  HWND dialog = open(program, settings);
  ASSERT_NE(dialog, nullptr);
  HWND set = findControl(dialog, "Cmd_Set");
  HWND cancel = findControl(dialog, "Cmd_Can");
  // With the combo box and the file button disabled, Tab reaches the two
  // buttons in turn.
  ASSERT_TRUE(waitFor([&] { return focusOf(dialog) != nullptr; }, 5000));
  bool reachedCancel = false;
  HWND previous = focusOf(dialog);
  for (int i = 0; i < 4 && !reachedCancel; ++i) {
    pressKey(VK_TAB);
    HWND now = focusOf(dialog);
    EXPECT_NE(now, previous);
    EXPECT_TRUE(now == set || now == cancel);
    reachedCancel = now == cancel;
    previous = now;
  }
  ASSERT_TRUE(reachedCancel);
  pressKey(VK_RETURN);
  EXPECT_TRUE(program.waitForExit(10000));
  EXPECT_EQ(readFileBytes(kIniPath), settings);
}

TEST_F(DialogTest, SaveWritesTheThreeKeysInOrder) {
  // No music section yet: the writes append the keys in the order made.
  Program program;
  HWND dialog = open(program, "[Settings]\r\nWidth= 1024\r\n");
  ASSERT_NE(dialog, nullptr);

  click(findControl(dialog, "lbl_BGM", 1));
  HWND combo = findControl(dialog, "BGM_Repeat");
  ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(combo) != 0; }, 5000));
  SetWindowTextW(combo, L"5");
  click(findControl(dialog, "Cmd_Set"));
  ASSERT_TRUE(program.waitForExit(10000));
  EXPECT_EQ(readFileBytes(kIniPath), "[Settings]\r\nWidth= 1024\r\n\r\n" +
                                         musicSection(" 1", " 5", ""));
}

TEST_F(DialogTest, HalfTracksRoundToEvenWhenSaved) {
  const std::string sound = makeSoundFile("round.mp3");
  Program program;
  HWND dialog = open(program, musicSection(" 2", " 3", sound));
  ASSERT_NE(dialog, nullptr);
  HWND combo = findControl(dialog, "BGM_Repeat");
  EXPECT_EQ(windowText(combo), L"3");
  EXPECT_EQ(windowText(findControl(dialog, "lbl_Fname")),
            std::wstring(sound.begin(), sound.end()));
  SetWindowTextW(combo, L" 3.5 ");
  click(findControl(dialog, "Cmd_Set"));
  ASSERT_TRUE(program.waitForExit(10000));
  EXPECT_EQ(readFileBytes(kIniPath), musicSection(" 2", " 4", sound));
}

// Chooses path in the open file chooser and confirms it.
bool chooseInFileChooser(const std::wstring& path) {
  HWND chooser = waitForTopWindow(kChooserTitle, 10000);
  if (!chooser) return false;
  HWND name = GetDlgItem(chooser, 0x47c);  // the file-name box (cmb13)
  if (!name) name = GetDlgItem(chooser, 0x480);  // edt1
  if (!name) return false;
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDOK)));
  return waitFor([&] { return !IsWindow(chooser); }, 10000);
}

TEST_F(DialogTest, ChosenFileIsSavedOnlyWhenConfirmed) {
  const std::string first = makeSoundFile("first.wav");
  const std::string second = makeSoundFile("second.mp3");
  const std::string settings = musicSection(" 2", " 0", first);

  {
    Program program;
    HWND dialog = open(program, settings);
    ASSERT_NE(dialog, nullptr);
    click(findControl(dialog, "Cmd_File"));
    ASSERT_TRUE(chooseInFileChooser(std::wstring(second.begin(), second.end())));
    HWND label = findControl(dialog, "lbl_Fname");
    EXPECT_TRUE(waitFor(
        [&] { return windowText(label) == std::wstring(second.begin(), second.end()); }, 3000));
    click(findControl(dialog, "Cmd_Can"));
    ASSERT_TRUE(program.waitForExit(10000));
    EXPECT_EQ(readFileBytes(kIniPath), settings);
  }

  Program program;
  HWND dialog = open(program, settings);
  ASSERT_NE(dialog, nullptr);
  click(findControl(dialog, "Cmd_File"));
  ASSERT_TRUE(chooseInFileChooser(std::wstring(second.begin(), second.end())));
  click(findControl(dialog, "Cmd_Set"));
  ASSERT_TRUE(program.waitForExit(10000));
  EXPECT_EQ(readFileBytes(kIniPath), musicSection(" 2", " 0", second));
}

TEST_F(DialogTest, BadSettingsOpenAndSaveSaneValues) {
  // Kind 7, a track that is no number, a file in a folder that is gone.
  Program program;
  HWND dialog = open(program, musicSection(" 7", "abc", "C:\\no_such_folder\\x.mp3"));
  ASSERT_NE(dialog, nullptr);
  HWND combo = findControl(dialog, "BGM_Repeat");
  EXPECT_FALSE(IsWindowEnabled(combo));
  EXPECT_FALSE(IsWindowEnabled(findControl(dialog, "Cmd_File")));
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(isWhite(clientPixel(findControl(dialog, "Img_BGM", i), 6, 6))) << i;
  }
  EXPECT_EQ(windowText(combo), L"");
  EXPECT_EQ(windowText(findControl(dialog, "lbl_Fname")), L"");
  // A typed track beyond the 16-bit range is kept within it.
  SetWindowTextW(combo, L"99999");
  click(findControl(dialog, "Cmd_Set"));
  ASSERT_TRUE(program.waitForExit(10000));
  EXPECT_EQ(readFileBytes(kIniPath), musicSection(" 7", " 32767", ""));
}

TEST_F(DialogTest, LongestStoredPathIsShownAndSavedWhole) {
  // A path of exactly 255 bytes, the longest the settings read gives back.
  std::string folder = "C:\\orlek_temp\\dialog_test";
  CreateDirectoryA("C:\\orlek_temp", nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
  folder += "\\" + std::string(100, 'd');
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string path = folder + "\\";
  path += std::string(255 - path.size() - 4, 'f') + ".wav";
  ASSERT_EQ(path.size(), 255u);
  ASSERT_TRUE(writeFileBytes(path, "RIFF"));

  Program program;
  HWND dialog = open(program, musicSection(" 2", " 0", path));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(windowText(findControl(dialog, "lbl_Fname")), std::wstring(path.begin(), path.end()));
  EXPECT_TRUE(IsWindowEnabled(findControl(dialog, "Cmd_File")));
  click(findControl(dialog, "Cmd_Set"));
  ASSERT_TRUE(program.waitForExit(10000));
  EXPECT_EQ(readFileBytes(kIniPath), musicSection(" 2", " 0", path));
}

// UTF-8 of UTF-16 text.
std::string utf8(const std::wstring& wide) {
  std::string out(wide.size() * 4, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()),
                                    &out[0], static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return out;
}

// The code page 932 bytes of text; empty when it has no exact form there.
std::string cp932(const std::wstring& wide) {
  std::string out(wide.size() * 2, '\0');
  BOOL lost = FALSE;
  const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.c_str(),
                                    static_cast<int>(wide.size()), &out[0],
                                    static_cast<int>(out.size()), nullptr, &lost);
  return lost || n <= 0 ? std::string() : out.substr(0, static_cast<std::size_t>(n));
}

// A copy of the programs in a folder whose name the ANSI code page cannot
// hold, with the stand-in renderer as Vantrel.dll.
class WorldFolderProgram {
 public:
  WorldFolderProgram() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"Vantrel \u0141\u00f3d\u017a \U0001F3B5";
    CreateDirectoryW(folder_.c_str(), nullptr);
    ok_ = CopyFileW(programPath().c_str(), scr().c_str(), FALSE) &&
          CopyFileW((binFolder() + L"\\fake_renderer.exe").c_str(),
                    (folder_ + L"\\Vantrel.dll").c_str(), FALSE);
  }
  ~WorldFolderProgram() {
    DeleteFileW(scr().c_str());
    DeleteFileW((folder_ + L"\\Vantrel.dll").c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  bool ok() const { return ok_; }
  std::wstring scr() const { return folder_ + L"\\Vantrel.scr"; }

 private:
  std::wstring folder_;
  bool ok_ = false;
};

// Opens the dialog of the program at scr and waits until it takes input.
HWND openDialogOf(Program& program, const std::wstring& scr) {
  if (!program.start(scr, L"/c")) return nullptr;
  HWND dialog = waitForTopWindow(kDialogTitle, 15000);
  Sleep(500);
  return dialog;
}

TEST_F(DialogTest, MusicNamedInAnyScriptIsChosenSavedLoadedAndHeard) {
  test::AudioCapture capture;
  if (!capture.available()) GTEST_SKIP() << "no VANTREL_AUDIO_CAPTURE device";
  WorldFolderProgram programs;
  ASSERT_TRUE(programs.ok());
  // Latin accents, Polish and an emoji have no 932 form and are stored
  // marked as UTF-8; Cyrillic with Japanese has one, stored as its bytes.
  struct Case {
    const wchar_t* name;
    const wchar_t* source;
    bool marked;
  };
  const Case cases[] = {
      {L"Jos\u00e9.mp3", L"tone_long.mp3", true},
      {L"\u0141\u00f3d\u017a.wav", L"tone_short.wav", true},
      {L"\u041c\u0443\u0437\u044b\u043a\u0430 \u97f3\u697d\u30bd.wav", L"tone_short.wav", false},  // Музыка 音楽ソ
      {L"\U0001F3B5 \u0441\u043e\u043d.mp3", L"tone_long.mp3", true}};
  const std::wstring folder = L"C:\\orlek_temp\\dialog_test";
  CreateDirectoryW(folder.c_str(), nullptr);
  writeFileBytes(kIniPath, musicSection(" 0", " 0", ""));
  std::wstring previous;  // the song the last case saved
  for (const Case& c : cases) {
    const std::wstring song = folder + L"\\" + c.name;
    SCOPED_TRACE(utf8(song));
    ASSERT_TRUE(CopyFileW((binFolder() + L"\\" + c.source).c_str(), song.c_str(), FALSE));
    const std::string stored = c.marked ? "<UTF-8>" + utf8(song) : cp932(song);
    ASSERT_FALSE(stored.empty());
    {
      Program program;
      HWND dialog = openDialogOf(program, programs.scr());
      ASSERT_NE(dialog, nullptr);
      // The last case's song, loaded at this start.
      HWND label = findControl(dialog, "lbl_Fname");
      EXPECT_EQ(windowText(label), previous);
      click(findControl(dialog, "lbl_BGM", 2));
      HWND fileButton = findControl(dialog, "Cmd_File");
      ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(fileButton) != 0; }, 5000));
      click(fileButton);
      ASSERT_TRUE(chooseInFileChooser(song));
      EXPECT_TRUE(waitFor([&] { return windowText(label) == song; }, 3000));
      click(findControl(dialog, "Cmd_Set"));
      ASSERT_TRUE(program.waitForExit(10000));
      EXPECT_EQ(readFileBytes(kIniPath).rfind(musicSection(" 2", " 0", stored), 0), 0u);
    }
    {  // Heard during a run, silent after it.
      Program program;
      ASSERT_TRUE(program.start(programs.scr(), L"/s"));
      HWND renderer = test::waitForWindow(L"Vantrel_VC", 15000);  // hidden, found by title
      ASSERT_NE(renderer, nullptr);
      EXPECT_TRUE(capture.growsWithin(4000)) << "not heard";
      PostMessageW(renderer, WM_CLOSE, 0, 0);
      EXPECT_TRUE(program.waitForExit(5000));
      EXPECT_TRUE(capture.staysStill(800)) << "heard after the run";
    }
    // The run added the screen size and left the music key as it was.
    EXPECT_EQ(readFileBytes(kIniPath).rfind(musicSection(" 2", " 0", stored), 0), 0u);
    previous = song;
  }
  Program program;
  HWND dialog = openDialogOf(program, programs.scr());
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(windowText(findControl(dialog, "lbl_Fname")), previous);
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.waitForExit(10000));
  for (const Case& c : cases) DeleteFileW((folder + L"\\" + c.name).c_str());
}

TEST(DialogWithoutRenderer, ShowsTheMessageInsteadOfTheDialog) {
  // A copy of the program in a folder without Vantrel.dll.
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"vantrel_no_renderer";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring copy = folder + L"\\Vantrel.scr";
  DeleteFileW((folder + L"\\Vantrel.dll").c_str());
  ASSERT_TRUE(CopyFileW(programPath().c_str(), copy.c_str(), FALSE));

  Program program;
  ASSERT_TRUE(program.start(copy, L"/c"));
  HWND box = waitForTopWindow(L"Vantrel", 15000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(FindWindowW(nullptr, kDialogTitle), nullptr);
  PostMessageW(box, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.waitForExit(10000));
  EXPECT_EQ(FindWindowW(nullptr, kDialogTitle), nullptr);
}

}  // namespace
}  // namespace vantrel::test
