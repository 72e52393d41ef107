#pragma once

// What the question list tests share: questions added to an assessment, and
// the author's answers to the question dialog.

#include "tests/questions/QuestionEditorProbe.h"
#include "tests/support/WxTest.h"

#include "external/data/AssessmentMgr.h"
#include "external/data/QuestionDataSerializer.h"
#include "questions/QuestionDataDlg.h"

// Adds a two-answer question and an entry naming it; returns its identifier.
// With `file` not empty the question refers to it and is written there.
inline int addQuestion(CAssessmentMgr& mgr, const wxString& text, const wxString& file = wxString())
{
    CQuestionData question;
    question.setQuestion(text);
    question.setNumAnswers(2);
    question.setAnswer(1, "no");
    question.setFileNameReference(file);
    if (!file.empty())
    {
        EXPECT_TRUE(CQuestionDataSerializer(&question, file).store()) << file;
    }
    CAssessmentMgrData entry(mgr.getQuestionDataMgr()->addQuestion(question));
    EXPECT_TRUE(mgr.addData(entry));
    return entry.m_questionID;
}

// The question text stored in a question file.
inline wxString questionInFile(const wxString& file)
{
    CQuestionData question;
    CQuestionDataSerializer reader(&question, file);
    EXPECT_TRUE(reader.load()) << reader.getLastError();
    return question.getQuestion();
}

// The question dialog, answered by an author who types `text` as the question
// (unless it is empty) and leaves with `button`.
inline CExpectDialog<CQuestionDataDlg> editQuestion(const wxString& text, int button = wxID_OK)
{
    return CExpectDialog<CQuestionDataDlg>(
        [=](CQuestionDataDlg* dlg)
        {
            EXPECT_EQ(dlg->GetParent(), nullptr);
            evtest::showAsModal(dlg);
            if (!text.empty())
                CQuestionEditorProbe(dlg).questionText()->SetValue(text);
            return evtest::pressDialogButton(dlg, button);
        });
}
