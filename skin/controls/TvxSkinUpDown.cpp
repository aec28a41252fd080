#include "tessel/skin/controls/TvxSkinUpDown.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/Messages.h"
#include "tessel/skin/controls/TvxBuiltInLook.h"
#include "tessel/skin/data/TvxDataSkinButtonControl.h"
#include "tessel/skin/data/TvxDataSkinUpDownControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxSymbols.h"

namespace tessel {

TvxSkinUpDown::TvxSkinUpDown(TComponent* owner)
    : TvxSkinCustomControl(owner)
{
    SetSkinDataName("hupdown");
    SetBounds(0, 0, 25, 50);
    LayOut();
}

TvxSkinUpDown::~TvxSkinUpDown()
{
    StopRepeat();
}

void TvxSkinUpDown::SetUseSkinSize(bool value)
{
    m_use_skin_size = value;
    RefreshRecord();
    if (value && RecordIndex() != -1) {
        int w = Width(), h = Height();
        FitSize(w, h);
        SetBounds(Left(), Top(), w, h);
    }
    LayOut();
    UpdateRegion();
    Invalidate();
}

void TvxSkinUpDown::SetOrientation(TUDOrientation orientation)
{
    m_orientation = orientation;
    LayOut();
    Invalidate();
}

void TvxSkinUpDown::SetPosition(int position)
{
    if (position > m_max || position < m_min)
        return;
    m_position = position;
    if (OnChange)
        OnChange(this);
}

void TvxSkinUpDown::SetMin(int min)
{
    m_min = min;
    if (m_position < m_min)
        m_position = m_min;
}

void TvxSkinUpDown::SetMax(int max)
{
    m_max = max;
    if (m_position > m_max)
        m_position = m_max;
}

bool TvxSkinUpDown::RepeatRunning() const
{
    return m_repeat && m_repeat->Enabled();
}

void TvxSkinUpDown::RefreshRecord()
{
    TvxSkinCustomControl::RefreshRecord();
    m_hot_looks = m_pressed_looks = {};
    if (auto* record = dynamic_cast<const TvxDataSkinUpDownControl*>(Record())) {
        m_hot_looks = { record->activeupbuttonrect, record->activedownbuttonrect };
        m_pressed_looks = { TvxBuiltInLook::OrIfEmpty(record->downupbuttonrect, record->activeupbuttonrect),
            TvxBuiltInLook::OrIfEmpty(record->downdownbuttonrect, record->activedownbuttonrect) };
    }
    LayOut();
}

void TvxSkinUpDown::LayOut()
{
    auto* record = dynamic_cast<const TvxDataSkinUpDownControl*>(Record());
    const int w = Width(), h = Height();
    if (record && m_use_skin_size) {
        m_buttons[kUp].rect = record->upbuttonrect;
        m_buttons[kDown].rect = record->downbuttonrect;
    } else if (m_orientation == udVertical) {
        m_buttons[kUp].rect = { 0, 0, w, h / 2 };
        m_buttons[kDown].rect = { 0, h / 2, w, h };
    } else {
        m_buttons[kDown].rect = { 0, 0, w / 2, h };
        m_buttons[kUp].rect = { w / 2, 0, w, h };
    }
}

void TvxSkinUpDown::SizeChanged()
{
    LayOut();
    TvxSkinCustomControl::SizeChanged();
}

void TvxSkinUpDown::FitSize(int& width, int& height)
{
    if (m_use_skin_size)
        TvxSkinCustomControl::FitSize(width, height);
}

void TvxSkinUpDown::UpdateRegion()
{
    if (m_use_skin_size)
        TvxSkinCustomControl::UpdateRegion();
    else if (HasWindowShape())
        SetWindowShape(nullptr);
}

void TvxSkinUpDown::Dispatch(TMessage& message)
{
    // The whole control is painted in one piece: nothing to erase first.
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TvxSkinCustomControl::Dispatch(message);
}

// Mouse and the repeat

void TvxSkinUpDown::Track(int x, int y)
{
    m_previous = m_current;
    m_current = kNone;
    for (TButton b : { kUp, kDown })
        if (m_buttons[b].rect.Contains({ x, y })) {
            m_current = b;
            break;
        }
    // While a button is held, the other one does not count.
    if (m_held != kNone && m_current != m_held)
        m_current = kNone;
    if (m_current == m_previous)
        return;
    if (m_previous != kNone) {
        m_buttons[m_previous].hot = false;
        Invalidate();
        if (m_increment != 0 && m_previous == m_held)
            StopRepeat();
    }
    if (m_current != kNone) {
        m_buttons[m_current == kUp ? kDown : kUp].hot = false;
        m_buttons[m_current].hot = true;
        Invalidate();
        if (m_increment != 0 && m_current == m_held)
            StartRepeat(kResumeInterval);
    }
}

void TvxSkinUpDown::MouseEnter()
{
    TvxSkinCustomControl::MouseEnter();
    m_current = m_previous = kNone;
}

void TvxSkinUpDown::MouseLeave()
{
    TvxSkinCustomControl::MouseLeave();
    for (TButtonState& b : m_buttons)
        if (b.hot) {
            b.hot = false;
            Invalidate();
        }
}

void TvxSkinUpDown::MouseMove(TShiftState shift, int x, int y)
{
    Track(x, y);
    TvxSkinCustomControl::MouseMove(shift, x, y);
}

void TvxSkinUpDown::MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    TvxSkinCustomControl::MouseDown(button, shift, x, y);
    Track(x, y);
    if (m_current != kNone)
        m_buttons[m_current == kUp ? kDown : kUp].hot = false;
    if (m_current == kNone)
        return;
    m_held = m_current;
    m_buttons[m_held].hot = true;
    m_buttons[m_held].pressed = true;
    Invalidate();
    if (m_increment != 0) {
        m_direction = m_held;
        m_first_delay = true;
        StartRepeat(kFirstDelay);
    }
}

void TvxSkinUpDown::MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    if (m_held != kNone) {
        const TButton held = m_held;
        if (m_increment != 0) {
            StopRepeat();
            m_direction = kNone;
        }
        m_buttons[held].pressed = false;
        if (!m_buttons[held].rect.Contains({ x, y }))
            m_buttons[held].hot = false;
        Invalidate();
        m_held = kNone;
        Step(held);
        if (held == kUp && OnUpButtonClick)
            OnUpButtonClick(this);
        else if (held == kDown && OnDownButtonClick)
            OnDownButtonClick(this);
    }
    TvxSkinCustomControl::MouseUp(button, shift, x, y);
}

void TvxSkinUpDown::Step(TButton button)
{
    if (m_increment == 0)
        return;
    // Past the range the setter leaves Position as it is.
    const long long next = static_cast<long long>(m_position) + (button == kUp ? m_increment : -m_increment);
    if (next >= m_min && next <= m_max)
        SetPosition(static_cast<int>(next));
}

void TvxSkinUpDown::StartRepeat(unsigned interval)
{
    if (!m_repeat)
        m_repeat = TTimer::Stopped(interval, [this] { RepeatTick(); });
    m_repeat->SetEnabled(false);
    m_repeat->SetInterval(interval);
    m_repeat->SetEnabled(true);
}

void TvxSkinUpDown::StopRepeat()
{
    if (m_repeat)
        m_repeat->SetEnabled(false);
}

void TvxSkinUpDown::RepeatTick()
{
    if (m_first_delay) {
        m_first_delay = false;
        StartRepeat(kRepeatInterval);
        return;
    }
    if (m_direction != kNone)
        Step(m_direction);
}

// Looks

void TvxSkinUpDown::CreateDefaultImage(TBitmap& image)
{
    TCanvas& c = image.Canvas();
    for (TButton b : { kUp, kDown }) {
        const TButtonState& s = m_buttons[b];
        TColor frame = TvxBuiltInLook::kFrame, fill = TvxBuiltInLook::kHotFill;
        if (s.pressed && s.hot)
            fill = TvxBuiltInLook::kDownFill;
        else if (!s.hot) {
            frame = clBtnShadow;
            fill = clBtnFace;
        }
        c.Brush().SetColor(fill);
        c.FillRect(s.rect);
        c.Frame3D(s.rect, frame, frame);
        const bool vertical = m_orientation == udVertical;
        TvxSymbols::DrawArrow(
            c, s.rect, 0, b == kUp ? (vertical ? vxaUp : vxaRight) : (vertical ? vxaDown : vxaLeft));
    }
}

void TvxSkinUpDown::CreateSkinImage(TBitmap& image)
{
    if (!m_use_skin_size) {
        ComposeResizeButtons(image);
        return;
    }
    TvxSkinCustomControl::CreateSkinImage(image);
    const TBitmap* picture = m_look.Picture();
    if (!picture)
        return;
    for (TButton b : { kUp, kDown }) {
        const TButtonState& s = m_buttons[b];
        const TRect& look = s.pressed && s.hot ? m_pressed_looks[b] : s.hot ? m_hot_looks[b] : TRect {};
        if (!look.IsEmpty())
            image.Canvas().CopySurface(
                { s.rect.left, s.rect.top, s.rect.left + look.Width(), s.rect.top + look.Height() },
                picture->Surface(), look);
    }
}

void TvxSkinUpDown::ComposeResizeButtons(TBitmap& image)
{
    TCanvas& c = image.Canvas();
    c.Brush().SetColor(clBtnFace);
    c.FillRect({ 0, 0, image.Width(), image.Height() });
    const TvxSkinData* data = SkinData();
    auto* record = data ? dynamic_cast<const TvxDataSkinButtonControl*>(
                       data->ControlList(data->GetControlIndex("resizebutton")))
                        : nullptr;
    TvxSkinLook look;
    if (record)
        look.Read(data, record);
    if (!record || !look.Picture()) {
        CreateDefaultImage(image);
        return;
    }
    const bool vertical = m_orientation == udVertical;
    for (TButton b : { kUp, kDown }) {
        const TButtonState& s = m_buttons[b];
        const TRect active = TvxBuiltInLook::OrIfEmpty(record->activeskinrect, record->skinrect);
        const TRect down = TvxBuiltInLook::OrIfEmpty(record->downskinrect, active);
        TRect source = record->skinrect;
        TColor color = record->fontcolor;
        if (s.pressed && s.hot) {
            source = down;
            color = record->downfontcolor;
        } else if (s.hot) {
            source = active;
            color = record->activefontcolor;
        }
        TvxElementGeometry g = look.Geometry();
        g.R = source;
        TBitmap part;
        int w = s.rect.Width(), h = s.rect.Height();
        if (w <= 0 || h <= 0)
            continue;
        TvxComposition::ComposeByMode(g, part, *look.Picture(), w, h);
        c.Draw(s.rect.left, s.rect.top, part);
        TRect box = s.rect;
        if (s.pressed && s.hot) {
            box.left += 2;
            box.top += 2;
        }
        TvxSymbols::DrawArrow(
            c, box, color, b == kUp ? (vertical ? vxaUp : vxaRight) : (vertical ? vxaDown : vxaLeft));
    }
}

} // namespace tessel
