#include "demo_form/DemoForm.h"

#include "container/AutomationError.h"
#include "container/Screen.h"
#include "demo_form/DemoMenus.h"

namespace {

constexpr char kFormProperty[] = "MirelDemoForm:ObjectPtr";
constexpr char kControlName[] = "MirelMenuBar201";
constexpr int kLogWidth = 380;            // pixels
constexpr int kStatusLines = 1;
constexpr int kInitialBarHeight = 24;     // pixels, until the control sizes itself
constexpr std::size_t kLogLines = 200;
constexpr char kReady[] = "Ready";
constexpr char kSizeBoxName[] = "txtFontSize";
constexpr float kSizeBoxWidth = 36;  // pixels
constexpr float kSizeBoxHeight = 19;
constexpr char kSizeBoxText[] = "10";

constexpr TextPaneLook kDocumentLook{.back = RGB(0xFF, 0xFF, 0xFF), .text = RGB(0x20, 0x20, 0x20)};
constexpr TextPaneLook kLogLook{.back = RGB(0xF4, 0xF4, 0xF0),
                                .text = RGB(0x30, 0x30, 0x30),
                                .border = RGB(0xA0, 0xA0, 0xA0),
                                .newestLast = true,
                                .maxLines = kLogLines};
constexpr TextPaneLook kStatusLook{.back = RGB(0xE4, 0xE2, 0xD8), .text = RGB(0x00, 0x00, 0x00), .border = RGB(0xA0, 0xA0, 0x98)};

const std::vector<std::string> kDocumentText{
    "Quarterly report",
    "",
    "This window hosts the MirelMenuBar20 control the way a document editor would:",
    "the menu bar above, the document here, the event log on the right.",
    "",
    "Try the mouse: click a caption, slide along the bar, rest on an item with an arrow",
    "to open its sub-menu. Right-click this page for the context menu.",
    "",
    "Try the keyboard: Alt, then a caption's underlined letter, opens its menu; there the",
    "arrows, a letter, Enter and Esc work. Hot keys such as Ctrl+N, Ctrl+O, Ctrl+S and F5",
    "work with no menu open.",
    "",
    "The View menu keeps a few infrequent items back until you ask for them.",
    "Tools switches the visual style, the colour theme and the reading order, shows the",
    "captions of the tool bands and changes their size.",
    "",
    "The bands: Bold, Italic, Underline and the alignment buttons format this page; Insert",
    "drops a menu; drag a band by its gripper (the dotted left edge) to another line.",
};

}  // namespace

DemoForm::DemoForm(const DemoFormOptions& options, std::function<void(const std::string&)> onEvent)
    : m_OnEvent(std::move(onEvent)),
      m_Icons(options.iconFolder),
      m_Form(FormOptions{.caption = "MirelMenuBar20 demo", .width = options.width, .height = options.height, .font = {}}),
      m_Document(m_Form.hWnd(), kDocumentLook),
      m_Log(m_Form.hWnd(), kLogLook),
      m_Status(m_Form.hWnd(), kStatusLook),
      m_EventLine([this](const std::string& line) { ShowEvent(line); }) {
  // Closing the form ends the application's message loop; the owner then tears it down.
  SetPropA(m_Form.hWnd(), kFormProperty, this);
  m_FormProc = SetWindowLongA(m_Form.hWnd(), GWL_WNDPROC, LongFromWndProc(&DemoForm::HostProc));

  m_Document.SetLines(kDocumentText);
  m_Document.OnRightClick([this](POINT pt) { ShowContextMenu(pt); });
  m_Document.OnTyped([this](char ch) {
    if (m_OnEvent) m_OnEvent(std::string("Typed ") + ch);
  });
  m_Log.SetTitle("Events");
  m_Status.SetLines({kReady});

  const float twipsX = TwipsPerPixelX();
  const float twipsY = TwipsPerPixelY();
  const ControlPlacement placement{.name = kControlName,
                                   .width = static_cast<float>(options.width) * twipsX,
                                   .height = kInitialBarHeight * twipsY};
  m_Bar = options.saved != nullptr ? m_Form.LoadControl<MirelMenuBar20>(placement, *options.saved)
                                   : m_Form.AddControl<MirelMenuBar20>(placement);
  m_Bar->Connect(&m_EventLine);
  m_Commands = std::make_unique<DemoCommands>(
      *m_Bar, DemoCommandHooks{.close = [this] { PostMessageA(m_Form.hWnd(), WM_CLOSE, 0, 0); },
                               .barResized = [this] { LayoutPanes(); },
                               .reformat =
                                   [this](const std::function<void(TextFormat&)>& change) {
                                     TextFormat format = m_Document.Format();
                                     change(format);
                                     m_Document.SetFormat(format);
                                   },
                               .insert = [this](const std::string& text) { m_Document.AddLine(text); }});
  m_Bar->Connect(m_Commands.get());
  m_SizeBox = m_Form.AddControl<DemoEditBox>(ControlPlacement{.name = kSizeBoxName,
                                                             .width = kSizeBoxWidth * twipsX,
                                                             .height = kSizeBoxHeight * twipsY});
  m_SizeBox->SetText(kSizeBoxText);

  m_Bar->BeginUpdate();
  if (options.saved == nullptr) {
    m_Bar->SetVisualStyle(options.visualStyle);
    m_Bar->SetTheme(options.theme);
  }
  ctsMBImageListTypeConstants itemSlot = imlMenuItems;
  Variant itemImages(std::static_pointer_cast<AutomationObject>(m_Icons.ItemImages()));
  m_Bar->SetImageList(itemSlot, itemImages);
  ctsMBImageListTypeConstants headerSlot = imlMenuHeader;
  Variant headerImages(std::static_pointer_cast<AutomationObject>(m_Icons.HeaderImages()));
  m_Bar->SetImageList(headerSlot, headerImages);
  BuildDemoMenus(*m_Bar, m_Icons);
  BuildDemoBands(*m_Bar, m_Icons, m_SizeBox);
  if (options.saved != nullptr) RestoreBandPlaces(*options.saved);
  m_Form.Show();
  m_Bar->EndUpdate();
  LayoutPanes();
}

DemoForm::~DemoForm() {
  m_Form.Unload();
}

namespace {

// Band places are the demo's own entries in the settings file, beside the control's.
std::string BandPlaceKey(const std::string& bandKey, const char* what) { return "DemoBand." + bandKey + "." + what; }

}  // namespace

void DemoForm::SaveSettings(PropertyBag& bag) {
  m_Form.SaveControl(*m_Bar, bag);
  const auto bands = m_Bar->Bands();
  for (int p = 1; p <= bands->Count(); ++p) {
    const auto band = bands->Item(Variant::Long(p));
    bag.WriteProperty(BandPlaceKey(band->Key(), "Line"), Variant::Integer(band->LineIndex()));
    bag.WriteProperty(BandPlaceKey(band->Key(), "Position"), Variant::Integer(band->LinePosition()));
  }
}

void DemoForm::RestoreBandPlaces(PropertyBag& saved) {
  const auto bands = m_Bar->Bands();
  for (int p = 1; p <= bands->Count(); ++p) {
    const auto band = bands->Item(Variant::Long(p));
    const Variant line = saved.ReadProperty(BandPlaceKey(band->Key(), "Line"), Variant::Integer(band->LineIndex()));
    const Variant position =
        saved.ReadProperty(BandPlaceKey(band->Key(), "Position"), Variant::Integer(band->LinePosition()));
    try {
      band->LineIndex(CInt(line));
      band->LinePosition(CInt(position));
    } catch (const AutomationError&) {  // a place no band can take: the band stays where it was built
    }
  }
}

void DemoForm::LayoutPanes() {
  RECT client{};
  GetClientRect(m_Form.hWnd(), &client);
  RECT bar{};
  GetWindowRect(m_Bar->hWnd(), &bar);
  POINT barBottom{0, bar.bottom};
  ScreenToClient(m_Form.hWnd(), &barBottom);
  const int top = barBottom.y;
  const int statusTop = client.bottom - m_Status.FittingHeight(kStatusLines);
  const int logLeft = client.right - kLogWidth;
  m_Document.Move(RECT{client.left, top, logLeft, statusTop});
  m_Log.Move(RECT{logLeft, top, client.right, statusTop});
  m_Status.Move(RECT{client.left, statusTop, client.right, client.bottom});
}

void DemoForm::ShowEvent(const std::string& line) {
  m_Log.AddLine(line);
  m_Status.SetLines({line});
  if (m_OnEvent) m_OnEvent(line);
}

void DemoForm::ShowContextMenu(POINT screenPt) {
  m_Bar->PopUpMenu(demo_keys::kContextMenu, static_cast<float>(screenPt.x) * TwipsPerPixelX(),
                   static_cast<float>(screenPt.y) * TwipsPerPixelY());
}

LRESULT DemoForm::HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto* form = static_cast<const DemoForm*>(GetPropA(hwnd, kFormProperty));
  if (!form) return DefWindowProcA(hwnd, msg, wParam, lParam);
  if (msg == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return CallWindowProcA(form->m_FormProc, hwnd, msg, wParam, lParam);
}
