#include "Context.h"
#include "PropertyContainer.h"
#include "PropertyDouble.h"
#include "PropertyFloat.h"
#include "PropertyInt.h"
#include "PropertyPointer.h"
#include "PropertyUColor.h"
#include "ResourceManager.h"
#include "TestEngine.h"

namespace {

TEST(Property, TextFormsReadBackAndRejectBadValues)
{
    int32_t number = 0;
    float single = 0.0f;
    double precise = 0.0;
    UColor colour;
    PropertyInt intProperty("n", &number);
    PropertyFloat floatProperty("f", &single);
    PropertyDouble doubleProperty("d", &precise);
    PropertyUColor colourProperty("c", &colour);
    struct Case { Property* property; const char* text; bool ok; const char* readBack; };
    const Case cases[] = {
        {&intProperty, "-12", true, "-12"},         {&intProperty, "12x", false, "-12"},
        {&intProperty, "99999999999", false, "-12"}, {&intProperty, "", false, "-12"},
        {&floatProperty, "0.25", true, "0.25"},     {&floatProperty, "nan", false, "0.25"},
        {&doubleProperty, "0.1", true, "0.10000000000000001"}, {&doubleProperty, "1e999", false, "0.10000000000000001"},
        {&colourProperty, "1,2,3,255", true, "1,2,3,255"}, {&colourProperty, "1,2,3,256", false, "1,2,3,255"},
        {&colourProperty, "1,2,3", false, "1,2,3,255"}, {&colourProperty, "1,2,3,4,5", false, "1,2,3,255"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.property->setText(c.text), c.ok) << c.property->name << " " << c.text;
        EXPECT_EQ(c.property->getText(), c.readBack) << c.property->name << " " << c.text;
    }
    EXPECT_EQ(colour, UColor(1, 2, 3, 255));
}

} // namespace

#include "Packet.h"

namespace {

struct Replicated : KivBase {
    KIV_DECLARE_CLASS()
public:
    void addPropertiesTo(PropertyContainer& container) override
    {
        KivBase::addPropertiesTo(container);
        container.add(std::make_unique<PropertyFloat>("speed", &speed));
        container.add(std::make_unique<PropertyUColor>("color", &color));
        container.add(std::make_unique<PropertyPointer>("pSkin", &pSkin, true));
    }
    std::string text()
    {
        PropertyContainer list("Replicated");
        addPropertiesTo(list);
        return list.getText();
    }
    float speed = 0.0f;
    UColor color;
    KivBase* pSkin = nullptr;
};
KIV_IMPLEMENT_CLASS(Replicated, KivBase, nullptr);

TEST(Property, NetworkFormCarriesEveryPropertyAcross)
{
    TemporaryHome home;
    Kiv* engine = new Kiv();
    KivBase* skin = new KivBase();
    engine->pResourceManager->addResource("hills:0", skin);
    Replicated sender;
    sender.state = 3;
    sender.stateGoto = 5;
    sender.stateLeft = 0.1;
    sender.timeInState = 1.0 / 3.0;
    sender.speed = 2.5f;
    sender.color = UColor(1, 2, 3, 4);
    sender.pSkin = skin;
    Packet outgoing;
    sender.netSerialize(outgoing);
    EXPECT_FALSE(outgoing.hasError());

    Replicated receiver;
    Packet incoming(outgoing.getBytes().data(), outgoing.getBytes().size());
    receiver.netSerialize(incoming);
    EXPECT_FALSE(incoming.hasError());
    EXPECT_EQ(receiver.text(), sender.text());
    EXPECT_EQ(receiver.pSkin, skin);

    // Cut short: what could not be read arrives as zero or null, no crash.
    Replicated damaged;
    damaged.pSkin = skin;
    Packet truncated(outgoing.getBytes().data(), outgoing.getBytes().size() / 2);
    damaged.netSerialize(truncated);
    EXPECT_TRUE(truncated.hasError());
    EXPECT_EQ(damaged.pSkin, nullptr);
    delete skin;
    delete engine;
}

} // namespace
