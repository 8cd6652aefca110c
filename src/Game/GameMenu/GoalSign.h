#pragma once
#include "Ui/views/View.h"

class cPicture;
class cText;

// The tag under the game clock that says, while a goal of the time-line holds the clock, what
// the goal asks and how far the farm has come: the player sees why the time stands.
class cGoalSign : public cView {
public:
    explicit cGoalSign(cView* _parent);

    // The view's switches, the "Tag" picture, the "Text", and the words of each goal:
    // "MoneyWords" with "{have}" and "{goal}", "BarnWords" with "{level}".
    void loadXML(iXML* _xml_doc) override;

    // The savings goal holds the clock: _have of _goal (counted as the clock counts them).
    void showMoney(LongLong _have, Int _goal);
    // The barn must reach _level first.
    void showBarn(Int _level);
    // No goal holds the clock.
    void clear();

    cText* getText() const { return m_text; }

private:
    void showWords(const WString& _words);

    cPicture* m_tag = nullptr;
    cText* m_text = nullptr;
    WString m_moneyWords = u"{have} / {goal}";
    WString m_barnWords = u"Barn level {level}";
};
