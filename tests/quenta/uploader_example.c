/*
 * uploader_example: drives an Uploader through quenta.h alone, the way any C
 * program (or a foreign-function script) can. It loads libquenta.so, creates
 * the object through the class factory, sets the address and credentials,
 * fetches the waiting payments and prints Result, Status and Payments.
 *
 * usage: uploader_example LIBRARY [URL [USER PASSWORD]]
 */
#include "quenta.h"

#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static QuentaStringAllocFn string_alloc;
static QuentaStringFreeFn string_free;
static QuentaStringLengthFn string_length;

/* An ASCII text as a component string. */
static QuentaString make_text(const char* text) {
    uint16_t units[512];
    uint32_t n = 0;
    while (text[n] != '\0' && n < 512) {
        units[n] = (uint16_t)(unsigned char)text[n];
        ++n;
    }
    return string_alloc(units, n);
}

/* Prints a component string, code units above 0x7E as '?'. */
static void print_text(const char* label, QuentaString s) {
    uint32_t i, n = string_length(s);
    printf("%s", label);
    for (i = 0; i < n; ++i) {
        putchar(s[i] >= 0x20 && s[i] < 0x7F ? (int)s[i] : (s[i] == '\n' ? '\n' : '?'));
    }
    printf("\n");
}

int main(int argc, char** argv) {
    const char* url = argc > 2 ? argv[2] : "http://127.0.0.1:1/";
    const char* user = argc > 4 ? argv[3] : "user";
    const char* password = argc > 4 ? argv[4] : "password";
    void* library;
    QuentaDllGetClassObjectFn get_class_object;
    QuentaDllCanUnloadNowFn can_unload_now;
    QuentaClassFactory* factory = NULL;
    IUploader* uploader = NULL;
    QuentaString text, payments = NULL;
    QuentaBool result = 0;
    int32_t status = 0;

    if (argc < 2) {
        fprintf(stderr, "usage: uploader_example LIBRARY [URL [USER PASSWORD]]\n");
        return 2;
    }
    library = dlopen(argv[1], RTLD_NOW);
    if (library == NULL) {
        fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    *(void**)&get_class_object = dlsym(library, "DllGetClassObject");
    *(void**)&can_unload_now = dlsym(library, "DllCanUnloadNow");
    *(void**)&string_alloc = dlsym(library, "QuentaStringAlloc");
    *(void**)&string_free = dlsym(library, "QuentaStringFree");
    *(void**)&string_length = dlsym(library, "QuentaStringLength");
    if (!get_class_object || !can_unload_now || !string_alloc || !string_free || !string_length) {
        fprintf(stderr, "missing export\n");
        return 1;
    }

    if (get_class_object(&QUENTA_CLSID_Uploader, &QUENTA_IID_IClassFactory, (void**)&factory) !=
        QUENTA_S_OK) {
        return 1;
    }
    if (factory->lpVtbl->CreateInstance(factory, NULL, &QUENTA_IID_IUploader,
                                        (void**)&uploader) != QUENTA_S_OK) {
        return 1;
    }
    factory->lpVtbl->Release(factory);

    text = make_text(url);
    uploader->lpVtbl->put_URL(uploader, text);
    string_free(text);
    text = make_text(user);
    uploader->lpVtbl->put_User(uploader, text);
    string_free(text);
    text = make_text(password);
    uploader->lpVtbl->put_Password(uploader, text);
    string_free(text);

    if (uploader->lpVtbl->UploadTenants(uploader, NULL, NULL, &result) != QUENTA_S_OK ||
        uploader->lpVtbl->get_Status(uploader, &status) != QUENTA_S_OK ||
        uploader->lpVtbl->get_Payments(uploader, &payments) != QUENTA_S_OK) {
        return 1;
    }
    printf("Result: %s\nStatus: %d\n", result ? "True" : "False", (int)status);
    print_text("Payments: ", payments);
    string_free(payments);

    uploader->lpVtbl->Release(uploader);
    printf("Can unload: %s\n", can_unload_now() == QUENTA_S_OK ? "yes" : "no");
    return can_unload_now() == QUENTA_S_OK ? 0 : 1;
}
