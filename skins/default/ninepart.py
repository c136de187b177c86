"""The nine-part cut, re-implemented plainly for looking at the skin: a face resized by
repeating the parts between its corner points while the corners keep their size. Used by the
generator's preview and by its check that every repeating part of a picture is uniform."""

from raster import Canvas, Rect, rect_at


def tile(dst, src, piece, area, origin):
    """Fill `area` of dst with `piece` of src repeated from `origin` (a point of dst)."""
    for y in range(max(area.top, 0), min(area.bottom, dst.height)):
        sy = piece.top + (y - origin[1]) % piece.h
        for x in range(max(area.left, 0), min(area.right, dst.width)):
            dst.put(x, y, src.get(piece.left + (x - origin[0]) % piece.w, sy))


def paste(dst, src, piece, x, y):
    tile(dst, src, piece, rect_at(x, y, piece.w, piece.h), (x, y))


def frame_layout(keys):
    return (keys["lefttoppoint"], keys["righttoppoint"], keys["leftbottompoint"],
            keys["rightbottompoint"])


def draw_frame(dst, src, keys, client, x0, y0, width, height):
    """The window frame: four bands whose edges repeat from the band's own first column or row,
    corners at their own size, the client area left alone."""
    lt, rt, lb, rb = frame_layout(keys)
    w, h = src.width, src.height
    dw = width - w
    top, bottom = client.top, h - client.bottom
    left, right = client.left, w - client.right
    # Top and bottom bands across the whole width.
    tile(dst, src, Rect(lt.x, 0, rt.x, top), rect_at(x0, y0, width, top), (x0, y0))
    paste(dst, src, Rect(0, 0, lt.x, top), x0, y0)
    paste(dst, src, Rect(rt.x, 0, w, top), x0 + rt.x + dw, y0)
    by = y0 + height - bottom
    tile(dst, src, Rect(lb.x, client.bottom, rb.x, h), rect_at(x0, by, width, bottom), (x0, by))
    paste(dst, src, Rect(0, client.bottom, lb.x, h), x0, by)
    paste(dst, src, Rect(rb.x, client.bottom, w, h), x0 + rb.x + dw, by)
    # Side bands between them.
    side = height - top - bottom
    sy = y0 + top
    for x, cols, p_top, p_bottom in ((x0, Rect(0, 0, left, 0), lt.y, lb.y),
                                     (x0 + width - right, Rect(client.right, 0, w, 0), rt.y, rb.y)):
        tile(dst, src, Rect(cols.left, p_top, cols.right, p_bottom), rect_at(x, sy, cols.w, side),
             (x, sy))
        paste(dst, src, Rect(cols.left, client.top, cols.right, p_top), x, sy)
        end = client.bottom - p_bottom
        paste(dst, src, Rect(cols.left, p_bottom, cols.right, client.bottom), x, sy + side - end)


def nine_part_image(src, face, keys, width, height, draw_client=True):
    """A face resized the nine-part way, edges repeating from the new corner points."""
    out = Canvas(width, height)
    lt, rt, lb, rb = frame_layout(keys)
    cl = keys.get("clientrect") or keys.get("itemsrect")
    dw, dh = width - face.w, height - face.h
    ox, oy = face.left, face.top
    piece = lambda l, t, r, b: Rect(ox + l, oy + t, ox + r, oy + b)
    tile(out, src, piece(lt.x, 0, rt.x, cl.top), Rect(lt.x, 0, rt.x + dw, cl.top), (lt.x, 0))
    tile(out, src, piece(lb.x, cl.bottom, rb.x, face.h), Rect(lb.x, cl.bottom + dh, rb.x + dw, height),
         (lb.x, cl.bottom + dh))
    tile(out, src, piece(0, lt.y, cl.left, lb.y), Rect(0, lt.y, cl.left, lb.y + dh), (0, lt.y))
    tile(out, src, piece(cl.right, rt.y, face.w, rb.y), Rect(cl.right + dw, rt.y, width, rb.y + dh),
         (cl.right + dw, rt.y))
    corners = [((0, 0, lt.x, cl.top), (0, 0)), ((0, cl.top, cl.left, lt.y), (0, cl.top)),
               ((rt.x, 0, face.w, cl.top), (rt.x + dw, 0)),
               ((cl.right, cl.top, face.w, rt.y), (cl.right + dw, cl.top)),
               ((0, lb.y, cl.left, face.h), (0, lb.y + dh)),
               ((cl.left, cl.bottom, lb.x, face.h), (cl.left, cl.bottom + dh)),
               ((rb.x, cl.bottom, face.w, face.h), (rb.x + dw, cl.bottom + dh)),
               ((cl.right, rb.y, face.w, cl.bottom), (cl.right + dw, rb.y + dh))]
    for (l, t, r, b), (x, y) in corners:
        if r > l and b > t:
            tile(out, src, piece(l, t, r, b), rect_at(x, y, r - l, b - t), (x, y))
    if draw_client:
        tile(out, src, piece(*cl), Rect(cl.left, cl.top, cl.right + dw, cl.bottom + dh),
             (cl.left, cl.top))
    return out


def horizontal_bar(src, face, left, right, width):
    """A face made `width` wide: fixed ends, the middle repeated."""
    out = Canvas(width, face.h)
    middle = Rect(face.left + left, face.top, face.right - right, face.bottom)
    tile(out, src, middle, Rect(left, 0, width - right, face.h), (left, 0))
    paste(out, src, Rect(face.left, face.top, face.left + left, face.bottom), 0, 0)
    paste(out, src, Rect(face.right - right, face.top, face.right, face.bottom), width - right, 0)
    return out


def uniform(cv, area, along_x):
    """True when every row (along_x) or column of `area` is one colour."""
    for a in range(area.top, area.bottom) if along_x else range(area.left, area.right):
        if along_x:
            line = {cv.get(x, a) for x in range(area.left, area.right)}
        else:
            line = {cv.get(a, y) for y in range(area.top, area.bottom)}
        if len(line) > 1:
            return False
    return True


def nine_part_repeats(face, keys, client=None):
    """The four edge pieces of a nine-part layout (picture coordinates) with their direction."""
    lt, rt, lb, rb = frame_layout(keys)
    cl = (client or keys.get("clientrect") or keys.get("itemsrect")).moved(face.left, face.top)
    x0, y0 = face.left, face.top
    return [(Rect(x0 + lt.x, face.top, x0 + rt.x, cl.top), True),
            (Rect(x0 + lb.x, cl.bottom, x0 + rb.x, face.bottom), True),
            (Rect(face.left, y0 + lt.y, cl.left, y0 + lb.y), False),
            (Rect(cl.right, y0 + rt.y, face.right, y0 + rb.y), False)]
