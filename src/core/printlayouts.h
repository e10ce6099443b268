#pragma once

#include "module1.h"
#include "printjob.h"

// The two printouts of the quiz part of the program, laid out as printer operations.
namespace printlayouts
{

extern const QString WorksheetHeader;
extern const QString CertificateBanner;

// The paper worksheet of the loaded quiz: a header line, topic and title in large centred type,
// then the ten questions with their answers in two columns at a third and two thirds of the width.
PrintJob worksheet(const PrinterMetrics &printer, const QString &topic, const QString &title,
                   const Module1 &bank);

struct Certificate {
    QString topic; // TopicName
    QString pupil; // as typed, may be empty
    int score = 0;
    int outOf = 0;
    int topicScreenWidth = 0; // the topic's width in twips in a small screen font
};

// One certificate page: banners top and bottom, title, topic, award, name and score, framed by
// five nested borders and three nested boxes.
PrintJob certificate(const PrinterMetrics &printer, const Certificate &c);

} // namespace printlayouts
