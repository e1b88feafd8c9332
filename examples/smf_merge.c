#include "smf_merge.h"

#include <stdlib.h>
#include <string.h>

typedef struct {
    uint32_t time;  /* ticks since the start of the song */
    uint32_t order; /* place in the file, to keep equal times in file order */
    uint8_t status;
    const uint8_t* data; /* the bytes after the status byte */
    uint32_t length;
} Event;

static uint32_t BigEndian(const uint8_t* bytes, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | bytes[i];
    return value;
}

/* A variable-length number at *at, before end; 0 when it runs past end. */
static int ReadNumber(const uint8_t** at, const uint8_t* end, uint32_t* value) {
    *value = 0;
    for (int i = 0; i < 4 && *at < end; ++i) {
        const uint8_t byte = *(*at)++;
        *value = *value << 7 | (byte & 0x7Fu);
        if ((byte & 0x80) == 0) return 1;
    }
    return 0;
}

static uint8_t* WriteNumber(uint8_t* out, uint32_t value) {
    uint8_t bytes[4];
    int count = 0;
    do {
        bytes[count++] = (uint8_t)(value & 0x7F);
        value >>= 7;
    } while (value != 0 && count < 4);
    while (count > 1) *out++ = (uint8_t)(bytes[--count] | 0x80);
    *out++ = bytes[0];
    return out;
}

/* The events of one track appended to events[*count]; 0 for a track it cannot read. */
static int ReadTrack(const uint8_t* at, const uint8_t* end, Event* events, uint32_t* count,
                     uint32_t* endTime) {
    uint32_t time = 0, delta, size;
    uint8_t running = 0;
    while (at < end) {
        if (!ReadNumber(&at, end, &delta) || at >= end) return 0;
        time += delta;
        uint8_t status = running;
        if (*at & 0x80) status = *at++;
        if (status < 0x80) return 0;
        const uint8_t* data = at;
        if (status == 0xFF) {
            if (++at > end || !ReadNumber(&at, end, &size)) return 0;
        } else if (status == 0xF0 || status == 0xF7) {
            if (!ReadNumber(&at, end, &size)) return 0;
        } else {
            size = (status & 0xE0) == 0xC0 ? 1 : 2;
            running = status;
        }
        if (size > (uint32_t)(end - at)) return 0;
        at += size;
        if (time > *endTime) *endTime = time;
        if (status == 0xFF && data[0] == 0x2F) continue; /* one end of track, written last */
        events[*count] = (Event){time, *count, status, data, (uint32_t)(at - data)};
        ++*count;
    }
    return 1;
}

static int EarlierFirst(const void* a, const void* b) {
    const Event* x = a;
    const Event* y = b;
    if (x->time != y->time) return x->time < y->time ? -1 : 1;
    return x->order < y->order ? -1 : 1;
}

uint8_t* MergeTracks(const uint8_t* image, int32_t length, int32_t* mergedLength) {
    if (length < 14 || memcmp(image, "MThd", 4) != 0 ||
        BigEndian(image + 4, 4) > (uint32_t)length - 8)
        return NULL;
    const uint8_t* end = image + length;
    const uint32_t tracks = BigEndian(image + 10, 2);
    const uint8_t* at = image + 8 + BigEndian(image + 4, 4);
    /* An event takes at least two bytes of the file, so there are fewer than length / 2. */
    Event* events = malloc(sizeof(Event) * ((size_t)length / 2 + 1));
    uint8_t* merged = malloc((size_t)length * 3 + 32);
    uint32_t count = 0, endTime = 0;
    int ok = events != NULL && merged != NULL;
    for (uint32_t track = 0; ok && track < tracks; ++track) {
        ok = end - at >= 8 && memcmp(at, "MTrk", 4) == 0 &&
             BigEndian(at + 4, 4) <= (uint32_t)(end - at - 8);
        if (ok) ok = ReadTrack(at + 8, at + 8 + BigEndian(at + 4, 4), events, &count, &endTime);
        if (ok) at += 8 + BigEndian(at + 4, 4);
    }
    if (ok) {
        qsort(events, count, sizeof(Event), EarlierFirst);
        memcpy(merged, "MThd\0\0\0\6\0\0\0\1", 12);
        memcpy(merged + 12, image + 12, 2);
        memcpy(merged + 14, "MTrk", 4);
        uint8_t* out = merged + 22;
        uint32_t time = 0;
        for (uint32_t i = 0; i < count; time = events[i++].time) {
            out = WriteNumber(out, events[i].time - time);
            *out++ = events[i].status;
            memcpy(out, events[i].data, events[i].length);
            out += events[i].length;
        }
        out = WriteNumber(out, endTime - time);
        memcpy(out, "\xFF\x2F\0", 3);
        out += 3;
        const uint32_t trackLength = (uint32_t)(out - merged - 22);
        for (int i = 0; i < 4; ++i) merged[18 + i] = (uint8_t)(trackLength >> (24 - 8 * i));
        *mergedLength = (int32_t)(out - merged);
    }
    free(events);
    if (!ok) {
        free(merged);
        return NULL;
    }
    return merged;
}
