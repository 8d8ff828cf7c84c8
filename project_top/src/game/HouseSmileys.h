#pragma once
// HouseSmileys: the questions the game asks of the smileys of the current
// house (the controller's smiley layer): who can still be matched with whom,
// which one is selected, which lives in an apartment, a random present one.
// The controller owns one for the whole game; it reads the layer and changes
// nothing but the selection. Main thread only.
class Apartment;
class KivBase;
class Smiley;

class HouseSmileys {
public:
    // layer: the smiley layer (not owned; outlives this).
    explicit HouseSmileys(KivBase* layer);

    // Smileys not leaving that s (not null) can match.
    int countPartners(Smiley* s) const;
    // The present non-clown smiley with the fewest partners (the first on
    // ties), or null; the count goes to partners when not null (1000 when
    // there is no candidate).
    Smiley* findHardest(int* partners) const;
    // Some pair of smileys of the layer can still be matched.
    bool anyMatchLeft() const;
    // Smileys present in the house (state 2).
    int countWaiting() const;
    // The first selected smiley, or null.
    Smiley* selected() const;
    void deselectAll() const;
    // The first smiley living in apartment, or null.
    Smiley* inApartment(const Apartment* apartment) const;
    // A random present smiley, or null after 100 misses (or an empty draw).
    Smiley* findPlayable() const;

private:
    KivBase* layer;
};
