#include "host/dialog/win32_vantrel_p.h"

#include <shellapi.h>

#include <memory>
#include <vector>

#include "host/dialog/banner_cycle.h"
#include "host/dialog/dialog_control_ids.h"
#include "host/dialog/dialog_layout.h"
#include "host/dialog/dialog_placement.h"
#include "host/dialog/dialog_resources.h"
#include "host/dialog/kind_selection.h"
#include "host/dialog/round_half_even.h"
#include "host/dialog/track_text.h"
#include "host/dialog/win32_dialog_controls.h"
#include "host/dialog/win32_dialog_font.h"
#include "host/dialog/win32_dialog_pictures.h"
#include "host/dialog/win32_dialog_text.h"
#include "host/dialog/win32_file_chooser.h"
#include "host/dialog/win32_plain_controls.h"
#include "host/forms/win32_form_window.h"
#include "host/forms/win32_screen.h"

namespace vantrel {

const char kAuthorWebPage[] = "https://www.vantrel.example/";

namespace {

const wchar_t kFormCaption[] = L"\x25A0Vantrel\x25A0";  // ■Vantrel■
constexpr COLORREF kBackColour = RGB(224, 224, 224);
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 100;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_WINDOWEDGE;
// The settings keys as the host stores them: code page 932 bytes.
const char kIniSection[] = "Section";
const char kKeyKind[] = "BGM\x8b\xe6\x95\xaa";          // BGM区分
const char kKeyTrack[] = "BGM\xd8\xcb\xdf\xb0\xc4";     // BGMﾘﾋﾟｰﾄ
const char kKeyFile[] = "BGM\xcc\xa7\xb2\xd9";          // BGMﾌｧｲﾙ
constexpr int kDropDownListPixels = 160;

// A number as the settings file holds it: one blank before a non-negative
// number, the minus sign before a negative one.
std::string iniNumberText(int value) {
  return value >= 0 ? " " + std::to_string(value) : std::to_string(value);
}

std::int16_t clampToInt16(long v) {
  if (v > 32767) return 32767;
  if (v < -32768) return -32768;
  return static_cast<std::int16_t>(v);
}

class VantrelP {
 public:
  VantrelP(HINSTANCE instance, const VantrelPHost& host) : instance_(instance), host_(host) {}
  ~VantrelP();
  bool Load();
  void ShowModal() { form_.showModal(); }

 private:
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OnLoad();
  void LoadPictures();
  void CreateControls();
  void CreateControl(const ControlLayout& c);
  RECT PixelRect(long left, long top, long width, long height) const;
  HWND ContainerOf(const ControlLayout& c) const;
  PlainControl* PlainFor(const std::string& name, int index);
  void ShowKind(int kind);

  void Form_Load();
  void Form_QueryUnload() {}
  void Form_Unload();
  void Unload() { form_.unload(); }
  void Cmd_Set_Click();
  void Cmd_Can_Click() { Unload(); }
  void Cmd_File_Click();
  void BGM_MouseDown(int index);
  void Pic_m_Click(int index);
  void Timer1_Timer();

  HINSTANCE instance_;
  VantrelPHost host_;
  FormWindow form_;
  HWND hwnd_ = nullptr;
  std::vector<ControlLayout> layout_;
  double twipsPerPixelX_ = 15.0;
  double twipsPerPixelY_ = 15.0;
  HFONT font_ = nullptr;
  HCURSOR hand_ = nullptr;
  HBITMAP imgRa_[2] = {};   // the kind marks: empty and selected
  HBITMAP picT_[24] = {};   // the banner frames 1-24
  HWND gfxFrameX1_ = nullptr;
  HWND bgmRepeat_ = nullptr;
  DialogButton cmdFile_, cmdSet_, cmdCan_;
  PlainControl sh_[2], lblTitle_, lblRepeat_, imgBgm_[3], lblBgm_[3], lblFname_, picM_[2];
  std::int16_t counter_ = 0;
};

VantrelP::~VantrelP() {
  // The controls' windows go before the objects they point to.
  if (form_.handle()) DestroyWindow(form_.handle());
  for (HBITMAP b : imgRa_) if (b) DeleteObject(b);
  for (HBITMAP b : picT_) if (b) DeleteObject(b);
  if (font_) DeleteObject(font_);
}

bool VantrelP::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_COMMAND &&
      dispatchDialogButtonCommand(wParam, lParam, {&cmdSet_, &cmdCan_, &cmdFile_})) {
    result = 0;
    return true;
  }
  return false;
}

RECT VantrelP::PixelRect(long left, long top, long width, long height) const {
  const int x = static_cast<int>(roundHalfEven(left / twipsPerPixelX_));
  const int y = static_cast<int>(roundHalfEven(top / twipsPerPixelY_));
  const int w = static_cast<int>(roundHalfEven(width / twipsPerPixelX_));
  const int h = static_cast<int>(roundHalfEven(height / twipsPerPixelY_));
  return RECT{x, y, x + w, y + h};
}

void VantrelP::LoadPictures() {
  imgRa_[0] = loadJpegResource(instance_, IDR_MARK_OFF);
  imgRa_[1] = loadJpegResource(instance_, IDR_MARK_ON);
  for (int i = 0; i < 24; ++i) picT_[i] = loadJpegResource(instance_, IDR_BANNER_FRAME + 1 + i);
  hand_ = LoadCursorW(instance_, MAKEINTRESOURCEW(IDC_VANTREL_HAND));
}

HWND VantrelP::ContainerOf(const ControlLayout& c) const {
  return c.container.empty() ? hwnd_ : gfxFrameX1_;
}

PlainControl* VantrelP::PlainFor(const std::string& name, int index) {
  const bool inRange3 = index >= 0 && index <= 2;
  const bool inRange2 = index >= 0 && index <= 1;
  if (name == "Sh" && inRange2) return &sh_[index];
  if (name == "lbl" && index == 15) return &lblTitle_;
  if (name == "lbl" && index == 14) return &lblRepeat_;
  if (name == "Img_BGM" && inRange3) return &imgBgm_[index];
  if (name == "lbl_BGM" && inRange3) return &lblBgm_[index];
  if (name == "lbl_Fname") return &lblFname_;
  if (name == "Pic_m" && inRange2) return &picM_[index];
  return nullptr;
}

void VantrelP::CreateControl(const ControlLayout& c) {
  const RECT r = PixelRect(c.left, c.top, c.width, c.height);
  const int id = dialogControlId(c.name, c.index);
  HWND parent = ContainerOf(c);
  switch (c.kind) {
    case ControlKind::Frame:
      gfxFrameX1_ = createDialogFrame(parent, id, r, 7);
      return;
    case ControlKind::Button: {
      DialogButton* b = c.name == "Cmd_Set" ? &cmdSet_ : c.name == "Cmd_Can" ? &cmdCan_ : &cmdFile_;
      std::function<void()> onClick;
      if (b == &cmdSet_) onClick = [this] { Cmd_Set_Click(); };
      else if (b == &cmdCan_) onClick = [this] { Cmd_Can_Click(); };
      else onClick = [this] { Cmd_File_Click(); };
      createDialogButton(b, parent, id, r, wideFromUtf8(c.caption), font_, std::move(onClick));
      return;
    }
    case ControlKind::ComboBox: {
      // The window's height includes the dropped-down list.
      bgmRepeat_ = CreateWindowExW(0, L"COMBOBOX", L"",
                                   WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN,
                                   r.left, r.top, r.right - r.left,
                                   r.bottom - r.top + kDropDownListPixels, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                                   nullptr);
      SendMessageW(bgmRepeat_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
      return;
    }
    default: break;
  }
  PlainControl* p = PlainFor(c.name, c.index);
  if (!p) return;
  switch (c.kind) {
    case ControlKind::Label: p->kind = PlainKind::Label; break;
    case ControlKind::Image: p->kind = PlainKind::Image; break;
    case ControlKind::Picture: p->kind = PlainKind::Picture; break;
    default: p->kind = PlainKind::Shape; break;
  }
  p->font = font_;
  p->text = wideFromUtf8(c.caption);
  p->back = kBackColour;
  if (c.name == "Sh") p->line = c.index == 0 ? RGB(0, 0, 0) : RGB(255, 255, 255);
  if (c.name == "lbl" && c.index == 15) p->centred = true;
  if (c.name == "lbl_Fname") p->bordered = true;
  if (c.name == "Img_BGM" || c.name == "lbl_BGM") {
    const int index = c.index;
    p->onMouseDown = [this, index] { BGM_MouseDown(index); };
  }
  if (c.name == "Pic_m") {
    const int index = c.index;
    p->cursor = hand_;
    p->onClick = [this, index] { Pic_m_Click(index); };
  }
  if (createPlainControl(p, parent, id, r)) setPlainText(p, p->text);
}

void VantrelP::CreateControls() {
  font_ = createDialogFont();
  for (const ControlLayout& c : layout_) CreateControl(c);
}

bool VantrelP::Load() {
  layout_ = designedDialogLayout();
  LoadPictures();
  twipsPerPixelX_ = screenTwipsPerPixelX();
  twipsPerPixelY_ = screenTwipsPerPixelY();
  const RECT client = PixelRect(0, 0, kDialogClientWidthTwips, kDialogClientHeightTwips);
  FormStyle style;
  style.caption = kFormCaption;
  style.style = kFormStyle;
  style.exStyle = kFormExStyle;
  style.background = kBackColour;
  style.width = client.right;
  style.height = client.bottom;
  FormEvents events;
  events.load = [this] { OnLoad(); };
  events.timer = [this](UINT_PTR id) {
    if (id == kTimer1) Timer1_Timer();
  };
  events.unload = [this] {
    Form_QueryUnload();
    Form_Unload();
  };
  events.message = [this](UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    return OnMessage(msg, wp, lp, result);
  };
  return form_.load(style, std::move(events));
}

// The window exists, hidden: its controls are made, then its load handler
// runs and the banner timer starts.
void VantrelP::OnLoad() {
  hwnd_ = form_.handle();
  HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_VANTREL_WINDOW));
  if (icon) {
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  CreateControls();
  Form_Load();
  form_.setTimer(kTimer1, kTimer1Interval, true);
}

void VantrelP::ShowKind(int kind) {
  const KindControls k = kindControlsFor(kind);
  for (int i = 0; i < 3; ++i) setPlainPicture(&imgBgm_[i], imgRa_[i == k.selectedMark ? 1 : 0]);
  if (bgmRepeat_) EnableWindow(bgmRepeat_, k.repeatEnabled);
  setDialogButtonEnabled(&cmdFile_, k.fileEnabled);
}

void VantrelP::Form_Load() {
  counter_ = 0;

  RECT window;
  GetWindowRect(hwnd_, &window);
  const TwipsPoint at = dialogPosition(
      screenWidthTwips(), screenHeightTwips(),
      (window.right - window.left) * twipsPerPixelX_, (window.bottom - window.top) * twipsPerPixelY_);
  const RECT moved = PixelRect(at.left, at.top, 0, 0);
  SetWindowPos(hwnd_, nullptr, moved.left, moved.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  // The white line of the etched title box: one pixel right of and below
  // the black one.
  if (const ControlLayout* sh0 = findControl(layout_, "Sh", 0)) {
    const RECT r = PixelRect(sh0->left + 15, sh0->top + 15, sh0->width, sh0->height);
    if (sh_[1].hwnd) SetWindowPos(sh_[1].hwnd, nullptr, r.left, r.top, 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  ShowKind(*host_.bgmKind);

  if (bgmRepeat_) {
    SetWindowTextW(bgmRepeat_, wideFromUtf8(formatTrack(*host_.bgmTrack)).c_str());
    for (int n = 0; n <= 30; ++n) {
      SendMessageW(bgmRepeat_, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(wideFromUtf8(formatTrack(n)).c_str()));
    }
  }

  setPlainText(&lblFname_, wideFromCp932(*host_.bgmFile));

  POINT cursor{};
  if (GetCursorPos(&cursor)) {
    *host_.animX = clampToInt16(cursor.x);
    *host_.animY = clampToInt16(cursor.y);
  } else {
    *host_.animX = 0;
    *host_.animY = 0;
  }
  if (host_.animateOpen) host_.animateOpen(hwnd_);
}

void VantrelP::Form_Unload() {
  form_.enableTimer(kTimer1, false);
  if (host_.animateClose) host_.animateClose(hwnd_);
}

void VantrelP::Cmd_Set_Click() {
  if (host_.writeIniValue) host_.writeIniValue(kIniSection, kKeyKind, iniNumberText(*host_.bgmKind));
  std::wstring text;
  if (bgmRepeat_) {
    const int length = GetWindowTextLengthW(bgmRepeat_);
    text.assign(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(bgmRepeat_, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(length));
  }
  *host_.bgmTrack = trackFromText(utf8FromWide(text));
  if (host_.writeIniValue) {
    host_.writeIniValue(kIniSection, kKeyTrack, iniNumberText(*host_.bgmTrack));
    host_.writeIniValue(kIniSection, kKeyFile, *host_.bgmFile);
  }
  Unload();
}

void VantrelP::Cmd_File_Click() {
  std::string chosen;
  if (!chooseBgmFile(hwnd_, instance_, *host_.bgmFolder, &chosen)) return;
  *host_.bgmFile = chosen;
  setPlainText(&lblFname_, wideFromCp932(chosen));
  if (host_.folderOfPath) *host_.bgmFolder = host_.folderOfPath(chosen);
}

void VantrelP::BGM_MouseDown(int index) {
  *host_.bgmKind = static_cast<std::int16_t>(index);
  ShowKind(index);
}

void VantrelP::Pic_m_Click(int) {
  HCURSOR previous = SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514) /* IDC_WAIT */));
  ShellExecuteA(hwnd_, "open", kAuthorWebPage, "", "", SW_SHOWNORMAL);
  SetCursor(previous);
}

void VantrelP::Timer1_Timer() {
  const BannerTick t = nextBannerTick(counter_);
  counter_ = t.counter;
  // The other box keeps its picture: clearing its run-time drawing shows no
  // change, since nothing is ever drawn on it at run time.
  if (t.box >= 0) setPlainPicture(&picM_[t.box], picT_[t.frame - 1]);
}

}  // namespace

bool showVantrelPModal(HINSTANCE instance, const VantrelPHost& host) {
  if (!host.bgmKind || !host.bgmTrack || !host.bgmFile || !host.bgmFolder || !host.animX ||
      !host.animY) {
    return false;
  }
  auto form = std::make_unique<VantrelP>(instance, host);
  if (!form->Load()) return false;
  form->ShowModal();
  return true;
}

}  // namespace vantrel
