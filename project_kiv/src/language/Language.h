#pragma once
// Language: the string table. (Placeholder until the string table lands.)

class Language {
public:
    Language();
    ~Language();
};
