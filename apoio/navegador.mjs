// Shared by the web tests and the web benchmark: a static server for the
// pages on 127.0.0.1, and the three browser engines players use, as Debian
// ships them, behind one small interface. Chromium and Firefox are driven
// by the puppeteer-core the tests pin (CDP and WebDriver BiDi), WebKit by
// our WebDriver client (webkit.mjs); nothing else here knows which.
//
// abrir_navegador(motor, modulos, { perfil, idioma }) gives a browser:
//   motor, versao; perfil, and duravel: whether storage outlives the browser
//   on that profile; toque: whether a page can be given a touch screen;
//   botao_direito: whether the right button can be pressed and released;
//   contexto(): a new one with storage of its own; padrao(): the shared one;
//   fechar(). A context: abrir(url, { width, height, toque }), fechar().
// A page: ir(url), recarregar(), avaliar(fn, ...args) (JSON values only),
//   tecla_abaixo(key), tecla_acima(key) (KeyboardEvent.key names),
//   mover(x, y), pressionar(button), largar(button) ('left', 'right'),
//   clicar(selector), escolher_arquivo(selector, path), tamanho(screen),
//   erros_de_instalacao() (null where the engine has no such check), fechar().
import { createRequire } from 'node:module';
import { createServer } from 'node:http';
import { existsSync, mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, resolve } from 'node:path';
import { abrir_sessao, abrir_xvfb, DRIVER } from './webkit.mjs';

export const MOTORES = ['chromium', 'firefox', 'webkit'];
const PROGRAMAS = { chromium: ['/usr/bin/chromium', 'chromium'], firefox: ['/usr/bin/firefox-esr', 'firefox-esr'],
  webkit: [DRIVER, 'webkit2gtk-driver'] };

// Serves folder raiz, and each other folder of pastas under /NAME/;
// resolves to the base address once it listens. com_antes(url, fn) gives
// url such that its page, when served here, runs fn first of all: a
// script put at the top of its head, as no engine's protocol is needed for.
export async function servir(raiz, pastas = {}) {
  const tipos = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png' };
  const antes = [];
  const servidor = createServer((pedido, resposta) => {
    const endereco = new URL(pedido.url, 'http://x');
    const caminho = decodeURIComponent(endereco.pathname);
    const [, primeira, resto] = caminho.match(/^\/([^/]*)\/?(.*)$/);
    const arquivo = pastas[primeira] ? join(pastas[primeira], resto)
      : join(raiz, caminho === '/' ? 'index.html' : caminho);
    try {
      let dados = readFileSync(arquivo);
      const script = antes[endereco.searchParams.get('antes')];
      if (script && extname(arquivo) === '.html')
        dados = dados.toString().replace(/<head[^>]*>/i, (cabeca) => cabeca + '<script>(' + script + ')();</script>');
      resposta.writeHead(200, { 'Content-Type': tipos[extname(arquivo)] || 'application/octet-stream',
        'Last-Modified': statSync(arquivo).mtime.toUTCString() }); // as static hosts say
      resposta.end(dados);
    } catch (e) {
      resposta.writeHead(404);
      resposta.end();
    }
  });
  await new Promise((pronto) => servidor.listen(0, '127.0.0.1', pronto));
  const com_antes = (url, fn) => url + (url.includes('?') ? '&' : '?') + 'antes=' + (antes.push(String(fn)) - 1);
  return { servidor, endereco: 'http://127.0.0.1:' + servidor.address().port, com_antes };
}

// Browser motor ('chromium', 'firefox' or 'webkit'), headless or on a
// private Xvfb, its pages in language idioma, on profile perfil (by
// default a new one, removed by fechar()); puppeteer-core from folder
// modulos. A browser that is not installed fails, naming its package.
export async function abrir_navegador(motor, modulos, { perfil, idioma = 'pt-BR' } = {}) {
  const [programa, pacote] = PROGRAMAS[motor] || [];
  if (!programa) throw new Error('no browser engine "' + motor + '": ' + MOTORES.join(', '));
  if (!existsSync(programa)) throw new Error(motor + ' is not installed: ' + programa + ' missing (Debian package ' + pacote + ')');
  const novo = !perfil;
  perfil ||= mkdtempSync(join(tmpdir(), 'tabuleiro2-' + motor + '-'));
  const navegador = await (motor === 'webkit' ? abrir_webkit(idioma) : abrir_puppeteer(motor, modulos, perfil, idioma));
  const fechar = navegador.fechar;
  return Object.assign(navegador, { motor, perfil, fechar: async () => {
    await fechar();
    if (novo) rmSync(perfil, { recursive: true, force: true });
  } });
}

async function abrir_puppeteer(motor, modulos, perfil, idioma) {
  const puppeteer = createRequire(join(resolve(modulos), 'x.js'))('puppeteer-core');
  const navegador = await puppeteer.launch(motor === 'chromium' ? {
    executablePath: PROGRAMAS.chromium[0], headless: true, userDataDir: perfil,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--lang=' + idioma, '--accept-lang=' + idioma,
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  } : {
    browser: 'firefox', executablePath: PROGRAMAS.firefox[0], headless: true, userDataDir: perfil,
    // Each page focused as it is brought to the front, as a window is, with
    // no window manager to give it: full screen needs it. Downloads saved
    // in the profile with no panel, which would take the focus from the
    // pages after.
    extraPrefsFirefox: { 'intl.accept_languages': idioma, 'intl.locale.requested': idioma, 'focusmanager.testmode': true,
      'browser.download.alwaysOpenPanel': false, 'browser.download.always_ask_before_handling_new_types': false,
      'browser.download.folderList': 2, 'browser.download.useDownloadDir': true, 'browser.download.dir': join(perfil, 'baixados') },
  });
  const contexto = (c, proprio) => ({
    abrir: async (url, tela) => {
      const p = await c.newPage();
      const pagina = pagina_puppeteer(p, motor);
      if (tela) await pagina.tamanho(tela);
      if (url) await p.goto(url);
      return pagina;
    },
    fechar: () => (proprio ? c.close() : undefined),
  });
  return {
    versao: await navegador.version(),
    duravel: true,
    toque: motor === 'chromium',
    botao_direito: true,
    contexto: async () => contexto(await navegador.createBrowserContext(), true),
    padrao: async () => contexto(navegador.defaultBrowserContext(), false),
    fechar: () => navegador.close(),
  };
}

function pagina_puppeteer(p, motor) {
  return {
    ir: (url) => p.goto(url),
    recarregar: () => p.reload(),
    avaliar: (fn, ...args) => p.evaluate(fn, ...args),
    tecla_abaixo: (tecla) => p.keyboard.down(tecla),
    tecla_acima: (tecla) => p.keyboard.up(tecla),
    mover: (x, y) => p.mouse.move(x, y),
    pressionar: (botao) => p.mouse.down({ button: botao }),
    largar: (botao) => p.mouse.up({ button: botao }),
    clicar: async (seletor) => { await p.bringToFront(); await p.click(seletor); }, // a player's click is in the focused window
    escolher_arquivo: async (seletor, caminho) => (await p.$(seletor)).uploadFile(caminho),
    // A touch screen, where Chromium's emulation gives one.
    tamanho: ({ width, height, toque }) => p.setViewport({ width, height,
      ...(toque && motor === 'chromium' ? { hasTouch: true, isMobile: true } : {}) }),
    // Chromium's own check of what an app needs; the others have none.
    erros_de_instalacao: async () => (motor !== 'chromium' ? null
      : (await (await p.createCDPSession()).send('Page.getInstallabilityErrors')).installabilityErrors.map((e) => e.errorId)),
    fechar: () => p.close(),
  };
}

// WebKit: each context a browser of its own (a driver runs one), its pages
// its windows, all on one private Xvfb. MiniBrowser under automation keeps
// its storage in memory only: nothing outlives the browser.
async function abrir_webkit(idioma) {
  const xvfb = await abrir_xvfb();
  const abertos = new Set();
  let padrao = null;
  const contexto = async () => {
    const sessao = await abrir_sessao(xvfb.display, idioma);
    abertos.add(sessao);
    let atual = (await sessao.comando('GET', '/window')), livre = atual, abertas = 0;
    const focar = async (janela) => {
      if (atual !== janela) await sessao.comando('POST', '/window', { handle: janela });
      atual = janela;
    };
    return {
      abrir: async (url, tela) => {
        let janela = livre;
        if (janela) livre = null;
        else janela = (await sessao.comando('POST', '/window/new', { type: 'window' })).handle;
        abertas++;
        const comando = (fn) => async (...args) => { await focar(janela); return fn(...args); };
        const pagina = {
          ir: comando((u) => sessao.comando('POST', '/url', { url: u })),
          recarregar: comando(() => sessao.comando('POST', '/refresh')),
          avaliar: comando((fn, ...args) => sessao.executar(String(fn), args)),
          tecla_abaixo: comando(sessao.tecla_abaixo),
          tecla_acima: comando(sessao.tecla_acima),
          mover: comando(sessao.mover),
          pressionar: comando(sessao.pressionar),
          largar: comando(sessao.largar),
          clicar: comando(sessao.clicar),
          escolher_arquivo: comando(sessao.escolher_arquivo),
          // The window sized so that its page's viewport is width x height
          // (no narrower than MiniBrowser's toolbar lets it: 447 px).
          tamanho: comando(async ({ width, height }) => {
            await sessao.comando('POST', '/window/rect', { width, height });
            const [w, h] = await sessao.executar('() => [innerWidth, innerHeight]', []);
            await sessao.comando('POST', '/window/rect', { width: 2 * width - w, height: 2 * height - h });
          }),
          erros_de_instalacao: async () => null,
          // The last window is kept, blank, for the next page: closing it
          // would end the browser.
          fechar: comando(async () => {
            if (--abertas === 0) {
              await sessao.comando('POST', '/url', { url: 'about:blank' });
              livre = janela;
            } else {
              await sessao.comando('DELETE', '/window');
              atual = null;
            }
          }),
        };
        if (tela) await pagina.tamanho(tela);
        if (url) await pagina.ir(url);
        return pagina;
      },
      fechar: async () => {
        if (sessao === padrao?.sessao) return;
        abertos.delete(sessao);
        await sessao.fechar();
      },
      sessao,
    };
  };
  padrao = await contexto();
  return {
    versao: padrao.sessao.versao,
    duravel: false,
    toque: false,
    botao_direito: false, // its WebDriver releases the right button as the left, and keeps the right held
    contexto,
    padrao: async () => padrao,
    fechar: async () => {
      for (const s of abertos) await s.fechar();
      xvfb.fechar();
    },
  };
}
