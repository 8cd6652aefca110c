#pragma once
#include "Ui/buttons/AnimButton.h"
#include "Ui/screens/Back.h"
#include "Ui/buttons/TextButton.h"
#include "Ui/views/ViewWatch.h"
#include "engine/Singleton.h"

class cCheckButton;
class cPicture;
class cScrollBox;
class cText;

// The effect and music volumes and full-screen mode, from the main menu or the pause menu.
// Every change takes effect at once; Ok goes back to the view that opened the screen.
class cOptions : public cViewSingleton<cOptions>, public cBack {
public:
    // Built from "UI/Options.xml"; its creator hides it, fades it in and says where to return.
    cOptions();
    ~cOptions() override;

    // The screen's keys and each control's, then the check box from the setting and the
    // sliders from the sound manager (disabled without a sound device, still showing the
    // stored volumes).
    void loadXML(iXML* _xml_doc) override;
    // The check box keeps showing the mode, however it was switched.
    void process() override;

    cView* getReturnView() const { return m_returnView.get(); }
    void setReturnView(cView* _view) { m_returnView.set(_view); }

    // Volumes are whole numbers from 0 to 100, whatever range the sliders' data gives.
    static void onSoundChange(cView* _self, Float _val);
    static void onMusicChange(cView* _self, Float _val);
    // Writes the setting and has the device reset before the next frame is drawn.
    static void onFullScreen(cView* _self, Bool _checked);
    static void onOk(cView* _self);

    cScrollBox* getSoundVolume() const { return m_soundVolume; }
    cScrollBox* getMusicVolume() const { return m_musicVolume; }
    cCheckButton* getFullScreen() const { return m_fullScreen; }
    cTextButtonT<cAnimButton>* getOkButton() const { return m_ok; }

private:
    // Children of the screen.
    cPicture* m_back = nullptr;
    cPicture* m_logo = nullptr;
    cPicture* m_panel = nullptr;
    cTextButtonT<cAnimButton>* m_ok = nullptr;
    cScrollBox* m_soundVolume = nullptr;
    cScrollBox* m_musicVolume = nullptr;
    cCheckButton* m_fullScreen = nullptr;
    cText* m_fullScreenText = nullptr;
    cText* m_musicText = nullptr;
    cText* m_soundText = nullptr;
    cText* m_label = nullptr;
    // Watched: the screen never brings back a view that has gone meanwhile.
    cViewWatch m_returnView;
};
