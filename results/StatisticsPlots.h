#pragma once

#include "results/AssessmentStatistics.h"
#include "results/EvalonResultsExport.h"
#include "results/PlotScene.h"

#include <cstdint>
#include <string>
#include <vector>

/// The plots of an assessment's statistics, laid out for a size: the scores
/// of the takers, the facility and discrimination of every question, and the
/// share of each answer of one question.
class EVALON_RESULTS_EXPORT CStatisticsPlots
{
public:
    /// A bar chart: categories along the bottom, one bar per series in each.
    struct SBarChart
    {
        struct SSeries
        {
            std::string m_name;
            std::uint32_t m_colour = 0x3b6ea5;
            std::vector<double> m_values; ///< one per category
        };
        std::string m_title;
        double m_yMin = 0;
        double m_yMax = 1;
        double m_yStep = 0.25;   ///< between ticks
        int m_tickDecimals = 2;  ///< of the tick labels
        std::string m_tickSuffix; ///< after each tick label ("%")
        std::vector<std::string> m_categories;
        std::vector<SSeries> m_series;
        /// A colour per category that replaces the first series' (the key's
        /// bars); empty for none.
        std::vector<std::uint32_t> m_categoryColours;
        /// A text above each bar of the first series; empty for none.
        std::vector<std::string> m_valueLabels;
        /// Dashed reference lines across the plot, each with its label.
        std::vector<std::pair<double, std::string>> m_guides;
        /// What the reference lines mean, beside the legend.
        std::string m_guideNote;
        /// Shown instead of the bars when there is nothing to plot.
        std::string m_emptyText;
    };

    /// How many takers scored in each tenth of the percent range.
    static SBarChart scoreHistogram(const CAssessmentStatistics& statistics);
    /// Facility (0 to 1) and discrimination (-1 to 1) of every question.
    static SBarChart questionFigures(const CAssessmentStatistics& statistics);
    /// The share of the takers that chose each answer of `question`, the key
    /// marked by its colour and by a check mark in its label.
    static SBarChart answerShares(const SQuestionStatistics& question);

    /// The chart laid out in `width` x `height` pixels.
    static CPlotScene layOut(const SBarChart& chart, double width, double height);

    /// "A", "B", ... for answer 0, 1, ...
    static std::string answerLetter(unsigned answer);
};
