#pragma once

#include <functional>
#include <memory>

namespace tessel {

class TTimer;

// What a button control does for the state machine it shares with the other buttons.
class TvxButtonHost {
public:
    virtual ~TvxButtonHost() = default;
    virtual void ButtonRepaint() = 0;
    virtual void ButtonClick() = 0;
    // Every other button of the group goes up.
    virtual void ReleaseGroup() = 0;
    // Whether the looks morph (the record asks for it and skin effects are on).
    virtual bool MorphingInEffect() const = 0;
    // Whether the morph heads for the active look (hot, or focused).
    virtual bool MorphTowardsActive() const = 0;
};

// The state every skinned button shares: hover, press, the down state with groups
// (one down at a time unless AllowAllUp), auto-repeat while held (a first click
// 500 ms plus the interval after the press, then one per interval), and the morph
// factor between the normal (0) and active (1) looks, stepped by 0.2 every 20 ms.
// The button variants add their looks, and their keys and focus.
class TvxButtonState {
public:
    static constexpr unsigned kMorphInterval = 20;
    static constexpr unsigned kRepeatDelay = 500;
    static constexpr double kMorphStep = 0.2;

    explicit TvxButtonState(TvxButtonHost& host);
    ~TvxButtonState();

    bool Hot() const { return m_hot; }
    void SetHot(bool hot) { m_hot = hot; }
    bool Pressed() const { return m_pressed; }
    bool Down() const { return m_down; }
    // Down with its consequences: the morph, a repaint, the group released.
    void SetDown(bool down);
    // Down off with no repaint (the press ended away from the button).
    void ClearDown() { m_down = false; }
    int GroupIndex() const { return m_group_index; }
    void SetGroupIndex(int index) { m_group_index = index; }
    bool AllowAllUp() const { return m_allow_all_up; }
    void SetAllowAllUp(bool value) { m_allow_all_up = value; }
    bool RepeatMode() const { return m_repeat_mode; }
    void SetRepeatMode(bool value) { m_repeat_mode = value; }
    // Below 10 ms the interval counts as 10 ms (the timers' least period).
    int RepeatInterval() const { return m_repeat_interval; }
    void SetRepeatInterval(int ms) { m_repeat_interval = ms; }

    double MorphFactor() const { return m_morph; }
    void SetMorphFactor(double factor);
    // Heads the morph for its target; without morphing only repaints.
    void StartMorph();
    void StopMorph();
    bool MorphRunning() const;

    void StartRepeat();
    void StopRepeat();
    bool RepeatRunning() const;

    // The left button went down on the button, and came up (over it or not).
    void Press();
    void Release();

private:
    void MorphTick();
    void RepeatTick();

    TvxButtonHost& m_host;
    bool m_hot = false;
    bool m_pressed = false;
    bool m_down = false;
    bool m_down_at_press = false;
    int m_group_index = 0;
    bool m_allow_all_up = false;
    bool m_repeat_mode = false;
    int m_repeat_interval = 100;
    double m_morph = 0;
    std::unique_ptr<TTimer> m_morph_timer, m_repeat_timer;
};

} // namespace tessel
