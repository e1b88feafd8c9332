#include "example_io.h"

#include <stdio.h>
#include <stdlib.h>
#include <tesalo.h>

uint8_t* ReadWholeFile(const char* path, int32_t* length) {
    FILE* file = fopen(path, "rb");
    uint8_t* bytes = NULL;
    long size = -1;
    if (file != NULL && fseek(file, 0, SEEK_END) == 0 && (size = ftell(file)) >= 0 &&
        fseek(file, 0, SEEK_SET) == 0) {
        bytes = malloc((size_t)size + 1);
        if (bytes != NULL && fread(bytes, 1, (size_t)size, file) != (size_t)size) {
            free(bytes);
            bytes = NULL;
        }
    }
    if (file != NULL) fclose(file);
    if (bytes == NULL) fprintf(stderr, "%s: cannot be read\n", path);
    *length = (int32_t)size;
    return bytes;
}

int WaitForTheEnd(void) {
    uint32_t code;
    intptr_t value;
    while (TeWaitNotify(60000, &code, &value)) {
        if (code == TE_NOTIFY_END) return value == 0;
    }
    return 0;
}
