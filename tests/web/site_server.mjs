// A static server for the built site on 127.0.0.1, which can stop and start again on the same
// port (a visitor gone offline) and pretend files are missing.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.json': 'application/json',
  '.wasm': 'application/wasm', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

export class SiteServer {
  constructor(root) {
    this.root = path.resolve(root);
    this.hidden = new Set();  // paths answered with 404
    this.port = 0;
  }

  handle(request, response) {
    let name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    if (name.endsWith('/')) name += 'index.html';
    const file = path.join(this.root, path.normalize(name));
    if (this.hidden.has(name) || !file.startsWith(this.root) || !fs.existsSync(file) ||
        !fs.statSync(file).isFile()) {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('not found');
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                              'Cache-Control': 'no-cache' });
    fs.createReadStream(file).pipe(response);
  }

  start() {
    this.server = http.createServer((request, response) => this.handle(request, response));
    return new Promise((resolve) => this.server.listen(this.port, '127.0.0.1', () => {
      this.port = this.server.address().port;
      this.url = `http://127.0.0.1:${this.port}/`;
      resolve();
    }));
  }

  stop() {
    this.server.closeAllConnections();
    return new Promise((resolve) => this.server.close(resolve));
  }
}
