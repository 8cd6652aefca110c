#pragma once
#include "Game/Shell/ScoreTable.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/screens/Back.h"
#include "Ui/buttons/TextButton.h"
#include "engine/Singleton.h"

#include <vector>

class cPicture;
class cText;

// The records of playing through the game and of the survival game, switched by two
// buttons, with a way back to the main menu.
class cHightScores : public cViewSingleton<cHightScores>, public cBack {
public:
    using cScreenButton = cTextButtonT<cAnimButton>;

    // Built from "UI/HightScores.xml", showing the playing-through records.
    cHightScores();
    ~cHightScores() override;

    // The screen's keys, "LinesNum", "TopLeft", "BottomRight", "Interlinear", the pictures,
    // label and buttons; then the table is cut to the lines and shown.
    void loadXML(iXML* _xml_doc) override;
    // The label of the mode and one row per record of it, best first, inside the table area.
    void updateScores();

    static void onChangeMode(cView* _self);
    static void onReturn(cView* _self);

    Bool getMode() const { return m_mode; }
    cScoreTable& getTable() { return m_table; }
    const std::vector<cText*>& getRows() const { return m_rows; }
    cText* getLabel() const { return m_label; }
    cPicture* getMedal(UInt _index) const { return _index == 0 ? m_medal0 : m_medal1; }

private:
    void clearRows();

    UInt m_linesNum = 20;
    Vector2 m_topLeft{0, 0};
    Vector2 m_bottomRight{800, 600};
    Float m_interlinear = 40.0f;
    // Children of the screen.
    cPicture* m_tablePicture = nullptr;
    cPicture* m_logo = nullptr;
    cText* m_label = nullptr;
    cPicture* m_medal0 = nullptr;
    cPicture* m_medal1 = nullptr;
    cScreenButton* m_toAdventure = nullptr;
    cScreenButton* m_toSurvival = nullptr;
    cScreenButton* m_return = nullptr;
    // false: playing through the game; true: survival.
    Bool m_mode = false;
    cScoreTable m_table;
    std::vector<cText*> m_rows;
};
