#include <glyphmate.h>
#include <stdio.h>

int main(void) {
    glyphmate_result r;
    int code = glyphmate_convert("Code39", "CODE39", 6, NULL, 0, NULL, &r);
    if (code < 0) return fprintf(stderr, "%s\n", glyphmate_strerror(code)), 2;
    printf("%s in %s\n", r.converted_utf8, r.font);
    return code;
}
