#pragma once

struct font_height {
    float ascent;
    float descent;
    float leading;
};

struct escapement_delta {
    float nonspace;
    float space;
};
