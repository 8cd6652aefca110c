#pragma once
#include "engine/Types.h"

#include <vector>

// What the player must hear in words: progress restored from an earlier save, progress that
// cannot be saved, and why. Any part of the program may tell, before the screens exist too;
// the notice view shows the texts in turn. Each subject is told once a run, whatever its text:
// a save that fails every two minutes must not cover the screen with the same words. What
// concerns one file names it in its subject, so that it is told of each.
// Every telling is also written to the error log, as "The player is told: <text>".
// A notice for one player alone (_player) goes on the screen only while she plays, and a change
// of player takes it off the screen and out of the queue unseen, to be told again.
void tellPlayer(const String& _subject, const WString& _text, const WString& _player = WString());
// A notice of what became of _player's farm, for her alone, under the subject
// noticeAbout(_kind, _player): the kind of notice that her index entry keeps until it is seen.
void tellPlayerAbout(const String& _kind, const WString& _player, const WString& _text);

// The subject of a notice about one player: what it is about, then her name.
String noticeAbout(const String& _what, const WString& _player);

// The subject may be told again: what it was about has passed (saves work again, say).
void forgetPlayerNotice(const String& _subject);

// A fixed sentence of a notice in the player's language (the string table's translation);
// names and paths are put between such sentences as they are.
WString translated(const WString& _text);

// The player now playing: notices for another player wait for her, unseen. Set as each
// player's farm is loaded (empty: nobody plays).
void setNoticeListener(const WString& _player);

// The oldest text not yet shown that the player now playing may hear, taken off the queue to go
// on the screen; false when there is none.
Bool takePlayerNotice(WString& _text);
// The text last taken has stood on the screen long enough to be read: it is shown.
void seePlayerNotice();
// Whether the text last taken may still stand on the screen: false once a change of player took
// it back.
Bool isPlayerNoticeOnScreen();

// Whether the subject's notice has been shown in this run: a mark kept on the disk for it may go
// only then. One taken off the queue and killed before it could be read is told again.
Bool isPlayerNoticeShown(const String& _subject);
// How many notices have been shown in this run: what waits on the disk for the screen is looked
// at again only when it grows.
std::size_t countShownNotices();

// A notice told in this run.
struct sToldNotice {
    String subject;
    // Of a notice of tellPlayerAbout: its kind; empty for any other.
    String kind;
    // The one player who may hear it; empty: whoever plays.
    WString player;
    WString text;
};
// How many notices were told in this run; and those told since the count was _from.
std::size_t countToldNotices();
std::vector<sToldNotice> toldNoticesSince(std::size_t _from);
