#pragma once
// ContextOnline: base of the screens that talk to the maker's web server (the
// crash report, the network wizard and the score upload). It lays out their
// common frame in the manner of the other menu screens (a title at the top,
// centred lines of text, a back or cancel button in the lower left corner
// and a go-ahead button in the lower right) and keeps a MessageViewer that
// logs the progress of the screen's requests. A screen shows one page at a
// time: the items of a page are children of a page node that the next page
// replaces; the viewer outlives the pages. The stack deletes the screen when
// it closes. Main thread only.
#include "ContextMenu.h"
#include "HttpClient.h"
#include "Language.h"

#include <initializer_list>
#include <string>

class MenuButton;
class MessageViewer;
class RenderableText;

class ContextOnline : public ContextMenu {
public:
    // Vertical distance of the lines of text, view units.
    static constexpr float LINE_STEP = 25.0f;

    ContextOnline();

    // The upload server of the edition settings; empty when none is configured.
    UString serverUrl;
    // Time-outs of every request the screen makes.
    HttpClient::Options requestOptions;
    // Seconds a request may take in all before the screen gives up on it.
    double timeLimit;
    // Child of the screen; the progress and results of the requests.
    MessageViewer* pViewer = nullptr;

protected:
    static const char* text(Language::StringsEnum id);

    // Drops the items of the current page (they die at the next walk) and
    // starts an empty one.
    void newPage();
    // The title at the top of the view, large and white.
    void addTitle(Language::StringsEnum id);
    // Centred lines of text from y downwards; returns the y below the last.
    float addLines(std::initializer_list<Language::StringsEnum> ids, float y);
    // A button of the page; x, y its centre.
    MenuButton* addButton(float x, float y, Language::StringsEnum caption, const std::string& hint, int width);
    // The lower left and lower right corner buttons of the page.
    MenuButton* addLeftButton(Language::StringsEnum caption);
    MenuButton* addRightButton(Language::StringsEnum caption);
    // Appends an item to the page; returns it.
    template <class T>
    T* addToPage(T* item)
    {
        pPage->addChildLast(item);
        return item;
    }
    void addMessage(const std::string& message);
    void addMessage(Language::StringsEnum id);

private:
    KivBase* pPage = nullptr;
};
