#pragma once

#include "imagemanager.h"

#include <QImage>
#include <QQuickItem>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The remote picture view. Until the picture arrives it is an empty item of its laid-out size;
// then it draws the picture: at its own size by default, or, with `resizable`, stretched (or
// fitted, or cropped, by `fillMode`) to the size the screen gives it; screens clip it as they
// like. It loads when its content is first made and when it appears again without a picture
// (retryOnAppear), and cancels a load still running when it disappears (cancelOnDisappear).
//
// The picture is drawn by a scene-graph image node fed straight from the decoded QImage: the
// texture is made once per picture and scaled by the renderer, a picture already in memory is
// on screen in the very first frame, and there is no image-provider id through which a picture
// could be looked up again (and missed, after eviction).
class WebImage : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(bool retryOnAppear MEMBER m_retryOnAppear NOTIFY retryOnAppearChanged)
    Q_PROPERTY(bool cancelOnDisappear MEMBER m_cancelOnDisappear NOTIFY cancelOnDisappearChanged)
    Q_PROPERTY(bool resizable READ resizable WRITE setResizable NOTIFY resizableChanged)
    Q_PROPERTY(FillMode fillMode READ fillMode WRITE setFillMode NOTIFY fillModeChanged)
    Q_PROPERTY(ImageManager *imageManager READ imageManager CONSTANT)
    Q_PROPERTY(bool hasImage READ hasImage NOTIFY hasImageChanged)

public:
    enum FillMode { Stretch, PreserveAspectFit, PreserveAspectCrop };
    Q_ENUM(FillMode)

    explicit WebImage(QQuickItem *parent = nullptr);
    ~WebImage() override;

    QUrl url() const { return m_manager->url(); }
    void setUrl(const QUrl &url);
    bool resizable() const { return m_resizable; }
    void setResizable(bool resizable);
    FillMode fillMode() const { return m_fillMode; }
    void setFillMode(FillMode mode);
    ImageManager *imageManager() const { return m_manager; }
    bool hasImage() const { return !m_image.isNull(); }

signals:
    void urlChanged();
    void retryOnAppearChanged();
    void cancelOnDisappearChanged();
    void resizableChanged();
    void fillModeChanged();
    void hasImageChanged();

protected:
    void componentComplete() override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    void updateAppearance();
    void appear();
    void disappear();
    void takeImage();

    ImageManager *m_manager;
    QImage m_image;
    bool m_textureDirty = false;
    bool m_retryOnAppear = true;
    bool m_cancelOnDisappear = true;
    bool m_resizable = false;
    FillMode m_fillMode = Stretch;
    bool m_appeared = false;
};
