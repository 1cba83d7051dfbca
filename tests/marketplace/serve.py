#!/usr/bin/env python3
"""A small sample marketplace on 127.0.0.1 for the end-to-end suites and the
demo: a women's-channel page whose item records have the marketplace's shape,
and item pages whose GBK titles carry the marketplace's title suffixes.

  serve.py --port 8080 [--link-host 127.0.0.1:8080] [--records 10]
           [--plain-title 3,5] [--log requests.log] [--root-delay 2.5]
           [--untitled 4] [--dead-link 6] [--redirect-source] [--source-status 404]

Every request is appended to the log as "GET /path" when it arrives;
--root-delay holds the answer to the channel page back for that many seconds.
--untitled serves those item pages without a title; --dead-link points those
records at a port where nothing listens. --redirect-source answers "/" with a
redirect to "/index.htm"; --source-status sends the channel page with another
status. The keywords the tool should harvest, in order, are printed by
--print-keywords.
"""
import argparse
import http.server
import sys
import threading
import time

MARKET_SUFFIX = "-女装/女士精品-女装市场-淘宝网"
SEARCH_SUFFIX = "_淘宝搜索"
KEYWORDS = [
    "春季新款连衣裙", "韩版宽松毛衣", "修身牛仔裤", "羊绒大衣女", "雪纺衬衫",
    "高腰半身裙", "针织开衫", "羽绒服女短款", "真丝睡衣", "运动套装女",
    "蕾丝打底衫", "格子西装外套",
]


def item_title(number, plain):
    keyword = KEYWORDS[(number - 1) % len(KEYWORDS)]
    if number in plain:
        return keyword + " 商品详情"
    return keyword + (MARKET_SUFFIX if number % 2 else SEARCH_SUFFIX)


def expected_keywords(records, without):
    return [KEYWORDS[(n - 1) % len(KEYWORDS)] for n in range(1, min(records, 8) + 1) if n not in without]


DEAD_HOST = "127.0.0.1:1"


def channel_page(link_host, records, dead=frozenset()):
    items = []
    for n in range(1, records + 1):
        host = DEAD_HOST if n in dead else link_host
        items.append(
            '{"item_url":"http://%s/item/%d.htm","item_pic":"http://%s/pic/%d.jpg",'
            '"item_title":"%s","item_current_price":"" }' % (host, n, link_host, n, KEYWORDS[(n - 1) % len(KEYWORDS)]))
    return ("<html><head><meta charset=\"gbk\"><title>女装频道</title></head><body>\n"
            "<script>var items = [" + ",".join(items) + "];</script>\n</body></html>\n")


def item_page(number, plain, untitled=frozenset()):
    title = item_title(number, plain)
    head = "" if number in untitled else "<title>%s</title>" % title
    return ("<html><head><meta charset=\"gbk\">%s</head>"
            "<body><h1>%s</h1></body></html>\n" % (head, title))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=8080)
    parser.add_argument("--link-host", default=None)
    parser.add_argument("--records", type=int, default=10)
    parser.add_argument("--plain-title", default="")
    parser.add_argument("--log", default=None)
    parser.add_argument("--print-keywords", action="store_true")
    parser.add_argument("--root-delay", type=float, default=0.0)
    parser.add_argument("--untitled", default="")
    parser.add_argument("--dead-link", default="")
    parser.add_argument("--redirect-source", action="store_true")
    parser.add_argument("--source-status", type=int, default=200)
    args = parser.parse_args()
    plain = {int(n) for n in args.plain_title.split(",") if n}
    untitled = {int(n) for n in args.untitled.split(",") if n}
    dead = {int(n) for n in args.dead_link.split(",") if n}
    if args.print_keywords:
        print("\n".join(expected_keywords(args.records, plain | untitled | dead)))
        return
    link_host = args.link_host or "127.0.0.1:%d" % args.port
    log_lock = threading.Lock()

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            if args.log:
                with log_lock, open(args.log, "a") as log:
                    log.write("GET %s\n" % self.path)
            path = self.path.split("?")[0]
            status, body = 200, None
            if path == "/" and args.redirect_source:
                self.send_response(302)
                self.send_header("Location", "/index.htm")
                self.send_header("Content-Length", "0")
                self.end_headers()
                return
            if path in ("/", "/index.htm"):
                time.sleep(args.root_delay)
                status, body = args.source_status, channel_page(link_host, args.records, dead)
            elif path.startswith("/item/") and path.endswith(".htm"):
                try:
                    body = item_page(int(path[6:-4]), plain, untitled)
                except ValueError:
                    pass
            if body is None:
                status, body = 404, "<html><head><title>404</title></head><body>not found</body></html>"
            data = body.encode("gbk")
            self.send_response(status)
            self.send_header("Content-Type", "text/html; charset=gbk")
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            self.wfile.write(data)

        def log_message(self, *unused):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port), Handler)
    print("marketplace on http://127.0.0.1:%d/" % args.port, file=sys.stderr, flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
