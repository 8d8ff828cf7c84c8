#include "MenuCountry.h"

#include "Global.h"
#include "Kiv.h"
#include "KivInput.h"
#include "Language.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

const MenuCountry::Country MenuCountry::countryTable[COUNTRY_COUNT] = {
    {"--", 0.0f, 0.0f}, {"AF", 34.46f, 69.18f}, {"AL", 41.3f, 19.81f}, {"DZ", 36.7f, 3.13f},
    {"AS", -13.73f, 170.71f}, {"AD", 42.51f, 1.53f}, {"AO", -7.16f, 13.25f}, {"AI", 18.25f, -62.83f},
    {"AQ", -80.0f, 0.0f}, {"AG", 17.33f, -60.2f}, {"AR", -35.5f, -60.0f}, {"AM", 40.16f, 44.51f},
    {"AW", 12.53f, -69.96f}, {"AU", -34.75f, 149.13f}, {"AT", 48.2f, 16.36f}, {"AZ", 40.48f, 49.93f},
    {"BS", 25.08f, -76.66f}, {"BH", 26.16f, 50.5f}, {"BD", 23.71f, 90.43f}, {"BB", 13.08f, -58.5f},
    {"BY", 53.86f, 27.5f}, {"BE", 50.85f, 4.35f}, {"BZ", 17.3f, -87.5f}, {"BJ", 6.38f, 2.7f},
    {"BM", 32.33f, -63.25f}, {"BT", 27.51f, 89.75f}, {"BO", -15.66f, -67.83f}, {"BA", 43.86f, 18.43f},
    {"BW", -22.0f, 24.0f}, {"BV", -53.56f, 3.4f}, {"BR", -14.21f, -46.08f}, {"IO", -6.0f, 72.0f},
    {"BN", 4.86f, 115.0f}, {"BG", 42.75f, 23.33f}, {"BF", 12.25f, -0.5f}, {"BI", -2.73f, 29.3f},
    {"KH", 11.55f, 104.91f}, {"CM", 3.83f, 11.58f}, {"CA", 45.45f, -74.3f}, {"CV", 15.03f, -22.43f},
    {"KY", 19.33f, -80.6f}, {"CF", 4.38f, 18.58f}, {"TD", 12.16f, 14.98f}, {"CL", -32.6f, -69.33f},
    {"CN", 39.91f, 116.33f}, {"CX", -9.5f, 105.66f}, {"CC", -11.5f, 96.83f}, {"CO", 4.56f, -74.0f},
    {"KM", -10.33f, 43.26f}, {"CG", -3.85f, 15.2f}, {"CD", -3.66f, 15.25f}, {"CK", -20.76f, -158.23f},
    {"CR", 9.91f, -83.96f}, {"CI", 6.81f, -4.71f}, {"HR", 45.83f, 15.96f}, {"CU", 23.13f, -81.63f},
    {"CY", 35.16f, 33.41f}, {"CZ", 50.08f, 14.36f}, {"DK", 56.0f, 10.0f}, {"DJ", 11.13f, 42.33f},
    {"DM", 15.33f, -60.6f}, {"DO", 19.0f, -69.33f}, {"TP", -7.51f, 125.56f}, {"EC", 0.25f, -77.41f},
    {"EG", 30.01f, 31.23f}, {"SV", 13.66f, -88.83f}, {"GQ", 3.75f, 8.83f}, {"ER", 15.31f, 38.91f},
    {"EE", 59.36f, 24.8f}, {"ET", 9.03f, 38.7f}, {"FK", -50.33f, -58.15f}, {"FO", 62.08f, -5.06f},
    {"FJ", -17.9f, 178.5f}, {"FI", 60.25f, 25.05f}, {"FR", 48.83f, 2.33f}, {"FX", 48.83f, 2.33f},
    {"GF", 5.08f, -51.7f}, {"PF", -16.46f, -148.43f}, {"TF", -43.0f, 67.0f}, {"GA", 0.41f, 9.43f},
    {"GM", 13.46f, -15.33f}, {"GE", 41.71f, 44.83f}, {"DE", 52.5f, 13.41f}, {"GH", 5.58f, 0.1f},
    {"GI", 37.33f, -4.65f}, {"GR", 37.96f, 23.76f}, {"GL", 64.16f, -50.41f}, {"GD", 12.11f, -60.33f},
    {"GP", 16.0f, -60.26f}, {"GU", 13.46f, 144.78f}, {"GT", 14.66f, -89.63f}, {"GN", 9.48f, -12.18f},
    {"GW", 11.75f, -14.25f}, {"GY", 6.83f, -57.8f}, {"HT", 18.66f, -71.66f}, {"HM", -53.0f, 74.0f},
    {"VA", 41.9f, 12.45f}, {"HN", 14.08f, -86.76f}, {"HK", 22.25f, 114.16f}, {"HU", 47.48f, 19.08f},
    {"IS", 64.16f, -20.05f}, {"IN", 28.61f, 77.21f}, {"ID", -5.85f, 106.81f}, {"IR", 35.73f, 51.5f},
    {"IQ", 33.33f, 44.5f}, {"IE", 53.35f, -5.75f}, {"IL", 32.18f, 35.16f}, {"IT", 41.9f, 12.48f},
    {"JM", 18.0f, -75.16f}, {"JP", 36.0f, 138.0f}, {"JO", 31.95f, 35.86f}, {"KZ", 51.16f, 71.5f},
    {"KE", -0.71f, 36.8f}, {"KI", 1.5f, 173.0f}, {"KP", 39.15f, 125.5f}, {"KR", 36.51f, 127.5f},
    {"KW", 29.5f, 48.0f}, {"KG", 42.9f, 74.76f}, {"LA", 17.96f, 102.6f}, {"LV", 56.88f, 24.13f},
    {"LB", 33.88f, 35.51f}, {"LS", -28.7f, 27.5f}, {"LR", 6.3f, -9.21f}, {"LY", 32.81f, 13.11f},
    {"LI", 47.13f, 9.51f}, {"LT", 54.63f, 25.31f}, {"LU", 49.61f, 6.15f}, {"MO", 22.2f, 113.55f},
    {"MK", 42.01f, 21.43f}, {"MG", -17.08f, 47.51f}, {"MW", -14.0f, 33.8f}, {"MY", 3.15f, 101.68f},
    {"MV", 4.0f, 73.46f}, {"ML", 12.56f, -6.08f}, {"MT", 35.9f, 14.51f}, {"MH", 9.0f, 168.0f},
    {"MQ", 14.6f, -60.96f}, {"MR", 20.0f, -12.0f}, {"MU", -19.71f, 57.55f}, {"YT", -11.2f, 45.23f},
    {"MX", 19.33f, -98.83f}, {"FM", 6.91f, 158.15f}, {"MD", 47.03f, 28.83f}, {"MC", 43.73f, 7.4f},
    {"MN", 46.0f, 105.0f}, {"MS", 16.75f, -61.8f}, {"MA", 32.0f, -5.0f}, {"MZ", -24.03f, 32.53f},
    {"MM", 16.75f, 96.33f}, {"NA", -21.41f, 17.06f}, {"NR", 0.53f, 166.91f}, {"NP", 27.75f, 85.33f},
    {"NL", 52.38f, 4.9f}, {"AN", 12.08f, -69.0f}, {"NC", -21.71f, 166.5f}, {"NZ", -40.68f, 174.76f},
    {"NI", 12.1f, -85.66f}, {"NE", 13.45f, 2.1f}, {"NG", 9.08f, 7.53f}, {"NU", -18.96f, -168.96f},
    {"NF", -29.0f, 167.95f}, {"MP", 15.2f, 145.75f}, {"NO", 59.91f, 10.75f}, {"OM", 23.61f, 58.6f},
    {"PK", 33.66f, 73.16f}, {"PW", 7.33f, 134.46f}, {"PA", 9.0f, -78.58f}, {"PG", -8.6f, 147.13f},
    {"PY", -24.83f, -56.5f}, {"PE", -12.0f, -77.0f}, {"PH", 14.66f, 121.05f}, {"PN", -24.93f, -129.9f},
    {"PL", 52.21f, 21.0f}, {"PT", 38.7f, -8.83f}, {"PR", 18.46f, -65.88f}, {"QA", 25.25f, 51.58f},
    {"RE", -20.9f, 55.6f}, {"RO", 44.45f, 26.16f}, {"RU", 55.75f, 37.58f}, {"RW", -0.01f, 30.06f},
    {"KN", 17.28f, -61.28f}, {"LC", 14.03f, -59.03f}, {"VC", 13.16f, -60.83f}, {"WS", -12.16f, -170.16f},
    {"SM", 43.91f, 12.5f}, {"ST", 0.16f, 6.65f}, {"SA", 24.68f, 46.7f}, {"SN", 14.56f, -16.51f},
    {"SC", -3.41f, 55.66f}, {"SL", 8.5f, -12.71f}, {"SG", 1.36f, 103.8f}, {"SK", 48.16f, 17.11f},
    {"SI", 46.06f, 14.55f}, {"SB", -8.55f, 159.95f}, {"SO", 2.03f, 45.41f}, {"ZA", -24.26f, 28.2f},
    {"GS", -53.5f, -37.0f}, {"ES", 40.41f, -2.25f}, {"LK", 7.0f, 81.0f}, {"SH", -14.05f, -4.3f},
    {"PM", 46.83f, -55.66f}, {"SD", 15.51f, 32.58f}, {"SR", 5.83f, -54.83f}, {"SJ", 78.0f, 20.0f},
    {"SZ", -25.7f, 31.1f}, {"SE", 59.33f, 18.05f}, {"CH", 46.95f, 7.46f}, {"SY", 33.5f, 36.3f},
    {"TW", 23.5f, 121.0f}, {"TJ", 38.55f, 68.8f}, {"TZ", -5.86f, 35.75f}, {"TH", 13.75f, 100.58f},
    {"TG", 6.15f, 1.33f}, {"TK", -9.0f, -172.0f}, {"TO", -20.83f, -174.0f}, {"TT", 11.0f, -61.0f},
    {"TN", 36.83f, 10.18f}, {"TR", 39.95f, 32.9f}, {"TM", 38.0f, 57.83f}, {"TC", 21.75f, -70.41f},
    {"TV", -7.48f, 179.21f}, {"UG", 0.33f, 32.5f}, {"UA", 50.5f, 30.46f}, {"AE", 24.46f, 54.36f},
    {"GB", 51.6f, 0.08f}, {"US", 40.51f, -76.96f}, {"UM", 18.35f, -63.06f}, {"UY", -33.16f, -55.81f},
    {"UZ", 41.33f, 69.16f}, {"VU", -16.25f, 168.3f}, {"VE", 10.5f, -65.08f}, {"VN", 21.08f, 105.91f},
    {"VG", 18.5f, -63.5f}, {"VI", 18.33f, -63.16f}, {"WF", -12.7f, -175.8f}, {"EH", 24.5f, -13.0f},
    {"YE", 15.0f, 48.0f}, {"RS", 44.83f, 20.61f}, {"ME", 42.27f, 19.28f}, {"ZM", -14.53f, 28.26f},
    {"ZW", -16.28f, 31.03f},
};

int MenuCountry::countryOrder[COUNTRY_COUNT];
const bool MenuCountry::bOrderBuilt = buildOrder();

MenuCountry::MenuCountry(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint,
                         int* value)
    : MenuInt(x, y, z, itemCaption, itemHint, value, 0, COUNTRY_COUNT - 1, 1)
{
    captionLocation = 8;
    setWidth(CHOOSER_WIDTH);
    *pValue = clampedValue();
}

bool MenuCountry::buildOrder()
{
    for (int row = 0; row < COUNTRY_COUNT; ++row)
        countryOrder[row] = row;
    // "--" stays first; the countries follow by code.
    std::sort(countryOrder + 1, countryOrder + COUNTRY_COUNT,
              [](int a, int b) { return std::strcmp(countryTable[a].code, countryTable[b].code) < 0; });
    return true;
}

int MenuCountry::rowAt(int position)
{
    return countryOrder[std::clamp(position, 0, COUNTRY_COUNT - 1)];
}

void MenuCountry::tick(double t, double dt)
{
    MenuInt::tick(t, dt);
    const KivInput& input = *pKiv->pInput;
    const int letter = input.getKeyChar(input.getPressedKey());
    if (highlighted && letter != 0) {
        searchLetter(letter);
        clicked = true;
    }
    if (clicked)
        storeCountry();
}

void MenuCountry::searchLetter(int letter)
{
    const int start = clampedValue();
    for (int i = 1; i <= COUNTRY_COUNT; ++i) {
        const int candidate = (start + i) % COUNTRY_COUNT;
        const unsigned char first = static_cast<unsigned char>(countryTable[countryOrder[candidate]].code[0]);
        if (std::tolower(first) == letter) {
            *pValue = candidate;
            return;
        }
    }
}

void MenuCountry::storeCountry() const
{
    const Country& country = countryTable[rowAt(*pValue)];
    HSTdata& hst = pGlobal->hst;
    std::memcpy(hst.countryCode, country.code, sizeof(hst.countryCode));
    const float pi = static_cast<float>(M_PI);
    const V3 direction = Global::latLongToVector(country.longitude / 180.0f * pi, country.latitude / 90.0f * pi / 2.0f);
    hst.countryVector[0] = direction.x;
    hst.countryVector[1] = direction.y;
    hst.countryVector[2] = direction.z;
}

void MenuCountry::drawValue(float x, float y, float z)
{
    const int row = rowAt(*pValue);
    const auto name = static_cast<Language::StringsEnum>(Language::COUNTRYNONE + row);
    printValue(x, y, z, formatString("%s (%s)", countryTable[row].code, pKiv->pLanguage->getText(name)));
}
