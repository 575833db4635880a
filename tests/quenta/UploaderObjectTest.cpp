// The Uploader object through its C interface: initial state, properties and
// their log lines, creation and release, reference counting, aggregation,
// identifiers, the string functions and the unload check.
#include "QuentaTestSupport.h"

#include <cstring>
#include <string>

using namespace qt;

namespace {

class QuentaObjectTest : public FolderTest {};

const std::string kReleaseBlock[] = {"Releasing Uploader", "", std::string(102, '-'), "", ""};

TEST_F(QuentaObjectTest, NewObjectHasInitialValues) {
    Uploader u;
    const Outcome o = u.current();
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.payments, "");
    Text operation;
    ASSERT_EQ(u->lpVtbl->get_Operation(u.get(), operation.out()), QUENTA_S_OK);
    EXPECT_EQ(operation.str(), "upload");
}

TEST_F(QuentaObjectTest, CreationAndReleaseWriteOnlyTheirLogLines) {
    { Uploader u; }
    std::vector<std::string> expected = {"Creating Uploader"};
    expected.insert(expected.end(), std::begin(kReleaseBlock), std::end(kReleaseBlock));
    EXPECT_EQ(logLines(), expected);
    // Every line written starts with the local time stamp and its zone name.
    EXPECT_EQ(logText().rfind("[", 0), 0u);
}

TEST_F(QuentaObjectTest, SettersLogTheirValuesButMaskThePassword) {
    Uploader u;
    Text url("https://pay.example.test/integration/evendorpay.php"), user("Jürgen");
    Text password("Pa55|word"), date("6/1/2010"), operation("x");
    EXPECT_EQ(u->lpVtbl->put_URL(u.get(), url.get()), QUENTA_S_OK);
    EXPECT_EQ(u->lpVtbl->put_User(u.get(), user.get()), QUENTA_S_OK);
    EXPECT_EQ(u->lpVtbl->put_Password(u.get(), password.get()), QUENTA_S_OK);
    EXPECT_EQ(u->lpVtbl->put_Date(u.get(), date.get()), QUENTA_S_OK);
    EXPECT_EQ(u->lpVtbl->put_Operation(u.get(), operation.get()), QUENTA_S_OK);
    EXPECT_EQ(u->lpVtbl->put_URL(u.get(), nullptr), QUENTA_S_OK);
    EXPECT_EQ(u->lpVtbl->put_Status(u.get(), 77), QUENTA_S_OK);

    const std::vector<std::string> expected = {
        "Creating Uploader",
        "Put:URL:https://pay.example.test/integration/evendorpay.php",
        "Put:User:Jürgen",
        "Put:Password:********",
        "Put:Date:6/1/2010",
        "Put:Operation:x",
        "Put:URL:"};
    EXPECT_EQ(logLines(), expected);
    EXPECT_EQ(logText().find("Pa55"), std::string::npos);

    Text got;
    ASSERT_EQ(u->lpVtbl->get_Operation(u.get(), got.out()), QUENTA_S_OK);
    EXPECT_EQ(got.str(), "x");
    EXPECT_EQ(u.current().status, 77);
}

TEST_F(QuentaObjectTest, LogAppendsAfterEarlierContent) {
    writeFile("QuentaDLL.log", "earlier line\n");
    { Uploader u; }
    const auto lines = logLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "earlier line");
    EXPECT_EQ(lines[1], "Creating Uploader");
}

TEST_F(QuentaObjectTest, NullOutPointersAreRefused) {
    Uploader u;
    EXPECT_EQ(u->lpVtbl->get_Status(u.get(), nullptr), QUENTA_E_POINTER);
    EXPECT_EQ(u->lpVtbl->get_Payments(u.get(), nullptr), QUENTA_E_POINTER);
    EXPECT_EQ(u->lpVtbl->get_Operation(u.get(), nullptr), QUENTA_E_POINTER);
    EXPECT_EQ(u->lpVtbl->UploadTenants(u.get(), nullptr, nullptr, nullptr), QUENTA_E_POINTER);
    EXPECT_EQ(u->lpVtbl->UploadBills(u.get(), nullptr, nullptr, nullptr, nullptr),
              QUENTA_E_POINTER);
    EXPECT_EQ(u->lpVtbl->QueryInterface(u.get(), &QUENTA_IID_IUploader, nullptr),
              QUENTA_E_POINTER);
}

TEST_F(QuentaObjectTest, ReferenceCountKeepsTheObjectUntilTheLastRelease) {
    Uploader u;
    IUploader* p = u.get();
    EXPECT_EQ(p->lpVtbl->AddRef(p), 2u);
    void* unknown = nullptr;
    ASSERT_EQ(p->lpVtbl->QueryInterface(p, &QUENTA_IID_IUnknown, &unknown), QUENTA_S_OK);
    auto* asUnknown = static_cast<QuentaUnknown*>(unknown);
    EXPECT_EQ(asUnknown->lpVtbl->Release(asUnknown), 2u);
    EXPECT_EQ(p->lpVtbl->Release(p), 1u);
    EXPECT_EQ(logLines().size(), 1u); // still alive
    u.release();
    EXPECT_EQ(logLines().back(), "");
    EXPECT_EQ(logLines()[1], "Releasing Uploader");
}

TEST_F(QuentaObjectTest, UnloadIsAllowedOnlyWithoutObjectsFactoriesOrLocks) {
    const Library& lib = Library::get();
    ASSERT_EQ(lib.canUnloadNow(), QUENTA_S_OK);

    QuentaClassFactory* factory = nullptr;
    ASSERT_EQ(lib.getClassObject(&QUENTA_CLSID_Uploader, &QUENTA_IID_IClassFactory,
                                 reinterpret_cast<void**>(&factory)),
              QUENTA_S_OK);
    EXPECT_EQ(lib.canUnloadNow(), QUENTA_S_FALSE);
    IUploader* object = nullptr;
    ASSERT_EQ(factory->lpVtbl->CreateInstance(factory, nullptr, &QUENTA_IID_IUploader,
                                              reinterpret_cast<void**>(&object)),
              QUENTA_S_OK);
    EXPECT_EQ(factory->lpVtbl->LockServer(factory, 1), QUENTA_S_OK);
    factory->lpVtbl->Release(factory);
    EXPECT_EQ(lib.canUnloadNow(), QUENTA_S_FALSE); // object and lock alive
    object->lpVtbl->Release(object);
    EXPECT_EQ(lib.canUnloadNow(), QUENTA_S_FALSE); // lock alive

    ASSERT_EQ(lib.getClassObject(&QUENTA_CLSID_Uploader, &QUENTA_IID_IUnknown,
                                 reinterpret_cast<void**>(&factory)),
              QUENTA_S_OK);
    EXPECT_EQ(factory->lpVtbl->LockServer(factory, 0), QUENTA_S_OK);
    factory->lpVtbl->Release(factory);
    EXPECT_EQ(lib.canUnloadNow(), QUENTA_S_OK);
}

TEST_F(QuentaObjectTest, WrongIdentifiersAreRefused) {
    const Library& lib = Library::get();
    void* out = reinterpret_cast<void*>(1);
    struct Case {
        const char* name;
        const QuentaGuid* clsid;
        const QuentaGuid* iid;
        QuentaStatus expected;
    };
    const Case cases[] = {
        {"type library id as class", &QUENTA_LIBID_Quenta, &QUENTA_IID_IClassFactory,
         QUENTA_CLASS_E_CLASSNOTAVAILABLE},
        {"interface id as class", &QUENTA_IID_IUploader, &QUENTA_IID_IClassFactory,
         QUENTA_CLASS_E_CLASSNOTAVAILABLE},
        {"factory asked as IUploader", &QUENTA_CLSID_Uploader, &QUENTA_IID_IUploader,
         QUENTA_E_NOINTERFACE},
        {"factory asked with app id", &QUENTA_CLSID_Uploader, &QUENTA_APPID_Quenta,
         QUENTA_E_NOINTERFACE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lib.getClassObject(c.clsid, c.iid, &out), c.expected);
        EXPECT_EQ(out, nullptr);
    }

    QuentaClassFactory* factory = nullptr;
    ASSERT_EQ(lib.getClassObject(&QUENTA_CLSID_Uploader, &QUENTA_IID_IClassFactory,
                                 reinterpret_cast<void**>(&factory)),
              QUENTA_S_OK);
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->lpVtbl->CreateInstance(factory, nullptr, &QUENTA_IID_IClassFactory, &out),
              QUENTA_E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    factory->lpVtbl->Release(factory);
    EXPECT_EQ(logText(), ""); // no object was made for a wrong interface

    Uploader u;
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(u->lpVtbl->QueryInterface(u.get(), &QUENTA_IID_IClassFactory, &out),
              QUENTA_E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
}

// An outer object that aggregates the Uploader: it hands out the inner
// IUploader for that interface and counts the references given to it.
struct Outer {
    QuentaUnknown unknown;
    int references = 1;
    QuentaUnknown* inner = nullptr;

    static Outer* of(QuentaUnknown* self) { return reinterpret_cast<Outer*>(self); }
    static QuentaStatus queryInterface(QuentaUnknown* self, const QuentaGuid* iid, void** out) {
        if (iid->data1 == QUENTA_IID_IUploader.data1) {
            return of(self)->inner->lpVtbl->QueryInterface(of(self)->inner, iid, out);
        }
        *out = self;
        ++of(self)->references;
        return QUENTA_S_OK;
    }
    static uint32_t addRef(QuentaUnknown* self) { return ++of(self)->references; }
    static uint32_t release(QuentaUnknown* self) { return --of(self)->references; }
};
const QuentaUnknownVtbl kOuterTable = {&Outer::queryInterface, &Outer::addRef, &Outer::release};

TEST_F(QuentaObjectTest, AggregatedObjectDelegatesToItsOuterUnknown) {
    Outer outer{{&kOuterTable}, 1, nullptr};
    QuentaClassFactory* factory = nullptr;
    ASSERT_EQ(Library::get().getClassObject(&QUENTA_CLSID_Uploader, &QUENTA_IID_IClassFactory,
                                            reinterpret_cast<void**>(&factory)),
              QUENTA_S_OK);
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->lpVtbl->CreateInstance(factory, &outer.unknown, &QUENTA_IID_IUploader, &out),
              QUENTA_CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);
    ASSERT_EQ(factory->lpVtbl->CreateInstance(factory, &outer.unknown, &QUENTA_IID_IUnknown,
                                              reinterpret_cast<void**>(&outer.inner)),
              QUENTA_S_OK);
    factory->lpVtbl->Release(factory);

    IUploader* uploader = nullptr;
    ASSERT_EQ(outer.inner->lpVtbl->QueryInterface(outer.inner, &QUENTA_IID_IUploader,
                                                  reinterpret_cast<void**>(&uploader)),
              QUENTA_S_OK);
    EXPECT_EQ(outer.references, 2); // the interface's reference goes to the outer object

    // IUnknown through IUploader is the outer object's identity.
    void* identity = nullptr;
    ASSERT_EQ(uploader->lpVtbl->QueryInterface(uploader, &QUENTA_IID_IUnknown, &identity),
              QUENTA_S_OK);
    EXPECT_EQ(identity, &outer.unknown);
    EXPECT_EQ(outer.references, 3);
    uploader->lpVtbl->AddRef(uploader);
    EXPECT_EQ(outer.references, 4);
    uploader->lpVtbl->Release(uploader);
    uploader->lpVtbl->Release(uploader);
    outer.unknown.lpVtbl->Release(&outer.unknown);
    EXPECT_EQ(outer.references, 1);

    int32_t status = -1;
    EXPECT_EQ(uploader->lpVtbl->get_Status(uploader, &status), QUENTA_S_OK);
    EXPECT_EQ(status, 0);

    EXPECT_EQ(outer.inner->lpVtbl->Release(outer.inner), 0u);
    EXPECT_EQ(logLines()[1], "Releasing Uploader");
    EXPECT_EQ(Library::get().canUnloadNow(), QUENTA_S_OK);
}

TEST(QuentaStringTest, StringsCarryTheirByteLengthAndATerminatingZero) {
    const Library& lib = Library::get();
    const uint16_t units[] = {'a', 0, 0x20AC};
    QuentaString s = lib.stringAlloc(units, 3);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(lib.stringLength(s), 3u);
    uint32_t byteLength = 0;
    std::memcpy(&byteLength, reinterpret_cast<const unsigned char*>(s) - 4, 4);
    EXPECT_EQ(byteLength, 6u);
    EXPECT_EQ(s[2], 0x20AC);
    EXPECT_EQ(s[3], 0);
    lib.stringFree(s);

    QuentaString blank = lib.stringAlloc(nullptr, 2);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(blank[0], 0);
    EXPECT_EQ(lib.stringLength(blank), 2u);
    lib.stringFree(blank);

    EXPECT_EQ(lib.stringLength(nullptr), 0u);
    lib.stringFree(nullptr);
}

} // namespace
