#pragma once

// Inside the platform layer only: the toolkit widgets behind its windows.

class QWidget;
class CFrameWnd;
class CScrollView;

QWidget* NativeWidget(const CFrameWnd* frame);
QWidget* NativeWidget(const CScrollView* view);
